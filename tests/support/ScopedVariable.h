#pragma once
// An environment variable set for a test's scope, and put back as the test run had it.
#include <QByteArray>

namespace testing_support {

class ScopedVariable {
public:
    // A null value unsets the variable; an empty one sets it empty.
    ScopedVariable(const char* name, const QByteArray& value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had;
};

}  // namespace testing_support
