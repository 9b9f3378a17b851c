#include "tests/support/ScopedVariable.h"

#include <QtGlobal>

namespace testing_support {

ScopedVariable::ScopedVariable(const char* name, const QByteArray& value)
    : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name)) {
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

ScopedVariable::~ScopedVariable() {
    if (m_had)
        qputenv(m_name, m_old);
    else
        qunsetenv(m_name);
}

}  // namespace testing_support
