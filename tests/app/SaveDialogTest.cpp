// The real save dialog behind the seam: its name box starts with the pattern, selected, so a
// typed name replaces it, and the default extension is added.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/Seams.h"

namespace {

TEST(SaveDialog, NameBoxStartsWithThePatternSelectedAndTypingReplacesIt) {
    QTemporaryDir dir;
    seams::FileDialogRequest request;
    request.open = false;
    request.filterName = QStringLiteral("BM設定ファイル (*.dat)");
    request.filterPattern = QStringLiteral("*.dat");
    request.defaultExtension = QStringLiteral("dat");
    request.initialName = QStringLiteral("*.dat");
    request.initialDirectory = dir.path();

    QString shown, selected;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* edit = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
        if (!edit || edit->text().isEmpty())
            return;
        poll.stop();
        shown = edit->text();
        selected = edit->selectedText();
        EXPECT_EQ(dialog->focusWidget(), edit);
        QTest::keyClicks(edit, QStringLiteral("office"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    poll.start(20);
    // A name box that stays empty ends the dialog rather than the test run.
    QTimer::singleShot(5000, [&poll] {
        poll.stop();
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    const std::optional<QString> path = seams::fileDialogs().run(request);

    EXPECT_EQ(shown, QStringLiteral("*.dat"));
    EXPECT_EQ(selected, QStringLiteral("*.dat"));
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, dir.filePath(QStringLiteral("office.dat")));
}

}  // namespace
