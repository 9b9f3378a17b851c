#pragma once
// Lists the printers that use the model's driver with their connection, and hands the chosen one
// back. When no usable printer exists it says so and tells the window, which ends the program.
#include <QDialog>
#include <QString>
#include <memory>

class QTreeWidgetItem;

// When a queue last completed a settings job (`completed`, seconds since 1970) and from which
// file (empty for settings never saved), as the selection and the window's status bar show it.
QString LastSentText(qint64 completed, const QString& file);

namespace Ui {
class PrinterSelectDialog;
}

class PrinterSelectDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrinterSelectDialog(QWidget* parent = nullptr);
    ~PrinterSelectDialog() override;

    enum class Outcome { Chosen, Cancelled, NoneUsable, OnlyOnFile };

    // Set before run(): at start-up a single usable printer is taken without showing the dialog.
    bool startupDone = false;
    // The printer the window holds now: preselected, and kept when the user cancels.
    void setHeldPrinter(const QString& name, const QString& port);

    // Asks the spooler, then shows the list through seams::modalLoop() unless the choice is
    // already made or impossible, which is shown with its message.
    Outcome run();

    // The usable printers listed by the last run.
    int printerCount() const { return m_printerCount; }
    // The printer last chosen with OK, also one refused for its FILE port; else the held one.
    const QString& printerName() const { return m_printerName; }
    const QString& portName() const { return m_portName; }
    // When that printer last completed a settings job and from which file; empty when unknown.
    const QString& lastSent() const { return m_lastSent; }

    // OK, Enter and a double click: takes the selected row unless it prints into a file.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillFromSpooler();
    int selectedRow() const;
    // Takes the row's printer unless it prints into a file, which is refused with its message.
    bool take(const QTreeWidgetItem* item);

    std::unique_ptr<Ui::PrinterSelectDialog> m_ui;
    int m_printerCount = 0;
    QString m_printerName;
    QString m_portName;
    QString m_lastSent;
};
