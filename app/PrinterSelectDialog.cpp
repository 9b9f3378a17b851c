#include "app/PrinterSelectDialog.h"

#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

#include "app/BusyCursor.h"
#include "platform/ModelPrinter.h"
#include "platform/PrinterSystem.h"
#include "ui/DialogFrame.h"
#include "ui/Messages.h"
#include "ui/Seams.h"
#include "ui_PrinterSelectDialog.h"

namespace {

constexpr int kNameColumn = 0;
constexpr int kPortColumn = 1;
constexpr int kLastSentColumn = 2;
const QString kFilePort = QString::fromLatin1(platform::kFilePort);

struct Row {
    QString name;
    QString port;
    QString lastSent{};
    QString lastSentFile{};  // the whole path, for the tooltip
};

// When the queue last completed a settings job and from which file; empty when its history holds
// none or could not be read.
void DescribeLastSent(const platform::SettingsHistory* history, Row& row) {
    if (!history || !history->lastCompleted)
        return;
    const platform::HistoryJob& job = *history->lastCompleted;
    row.lastSentFile = job.document ? QString::fromStdString(*job.document) : QString();
    row.lastSent = LastSentText(job.completed, row.lastSentFile);
}

// Case-insensitive first, exact order as the tie-break, as the list has always been sorted.
bool SortsBefore(const Row& a, const Row& b) {
    const int c = QString::compare(a.name, b.name, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : QString::compare(a.name, b.name, Qt::CaseSensitive) < 0;
}

}  // namespace

QString LastSentText(qint64 completed, const QString& file) {
    const QString when =
        QDateTime::fromSecsSinceEpoch(completed).toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
    return msg::LastSent(when, file.isEmpty() ? msg::UnsavedSettings() : QFileInfo(file).fileName());
}

PrinterSelectDialog::PrinterSelectDialog(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::PrinterSelectDialog>()) {
    m_ui->setupUi(this);
    UseDialogFrame(*this);
    QTreeWidget* list = m_ui->printerList;
    list->header()->setSectionsMovable(false);
    list->header()->resizeSection(kNameColumn, 200);
    list->header()->resizeSection(kPortColumn, 90);
    list->header()->resizeSection(kLastSentColumn, 170);
    // Both columns at their first widths, whether or not the list needs its scroll bar.
    list->setMinimumWidth(list->header()->length() + 2 * list->frameWidth() +
                          list->verticalScrollBar()->sizeHint().width());
    // A double click anywhere on the rows, empty space too, takes the selected row.
    list->viewport()->installEventFilter(this);
}

PrinterSelectDialog::~PrinterSelectDialog() = default;

void PrinterSelectDialog::setHeldPrinter(const QString& name, const QString& port) {
    m_printerName = name;
    m_portName = port;
}

PrinterSelectDialog::Outcome PrinterSelectDialog::run() {
    setResult(QDialog::Rejected);
    fillFromSpooler();
    QTreeWidget* list = m_ui->printerList;
    m_printerCount = list->topLevelItemCount();
    if (m_printerCount == 0) {
        seams::warn(this, msg::NoUsablePrinter(), msg::Caption());
        return Outcome::NoneUsable;
    }

    if (m_printerCount == 1 && !startupDone) {
        if (list->topLevelItem(0)->text(kPortColumn) == kFilePort) {
            seams::warn(this, msg::OnlyPrinterOnFile(), msg::Caption());
            return Outcome::OnlyOnFile;
        }
        // Taken before the list is laid out: a start with one printer never measures the list.
        take(list->topLevelItem(0));
        QDialog::accept();
        return Outcome::Chosen;
    }

    int target = 0;
    for (int row = 0; !m_printerName.isEmpty() && row < m_printerCount; ++row) {
        if (list->topLevelItem(row)->text(kNameColumn) == m_printerName) {
            target = row;
            break;
        }
    }
    list->setCurrentItem(list->topLevelItem(target));

    bool anyOtherPort = false;
    for (int row = 0; row < m_printerCount; ++row)
        anyOtherPort |= list->topLevelItem(row)->text(kPortColumn) != kFilePort;
    if (!anyOtherPort) {
        seams::warn(this, msg::AllPrintersOnFile(), msg::Caption());
        return Outcome::OnlyOnFile;
    }
    return seams::modalLoop().run(*this) == QDialog::Accepted ? Outcome::Chosen : Outcome::Cancelled;
}

void PrinterSelectDialog::fillFromSpooler() {
    QTreeWidget* list = m_ui->printerList;
    list->clear();
    // The spooler is asked once for its queues and once for its history; a spooler that cannot
    // be asked lists no printer, one whose history cannot be read lists them without it.
    BusyCursor busy;
    platform::PrinterSystem& printers = platform::CurrentPrinterSystem();
    const auto queues = printers.queues();
    if (!queues)
        return;
    const std::vector<platform::PrinterQueue> modelQueues = platform::ModelQueues(*queues);
    std::map<std::string, platform::SettingsHistory> histories;
    if (!modelQueues.empty())
        if (const auto jobs = printers.jobHistory())
            histories = platform::SettingsHistories(*jobs);
    std::vector<Row> rows;
    for (const platform::PrinterQueue& queue : modelQueues) {
        Row row{QString::fromStdString(queue.name), QString::fromStdString(platform::QueuePort(queue))};
        const auto history = histories.find(queue.name);
        DescribeLastSent(history == histories.end() ? nullptr : &history->second, row);
        rows.push_back(std::move(row));
    }
    std::stable_sort(rows.begin(), rows.end(), SortsBefore);
    QList<QTreeWidgetItem*> items;
    for (const Row& row : rows) {
        auto* item = new QTreeWidgetItem(QStringList{row.name, row.port, row.lastSent});
        // A scheduler's device address is far longer than the column: shown whole on hover.
        item->setToolTip(kPortColumn, row.port);
        item->setToolTip(kLastSentColumn, row.lastSentFile);
        items.append(item);
    }
    list->addTopLevelItems(items);
}

int PrinterSelectDialog::selectedRow() const {
    const QList<QTreeWidgetItem*> selected = m_ui->printerList->selectedItems();
    return selected.isEmpty() ? -1 : m_ui->printerList->indexOfTopLevelItem(selected.first());
}

void PrinterSelectDialog::accept() {
    const int row = selectedRow();
    if (row < 0) {
        seams::warn(this, msg::NoPrinterSelected(), msg::Caption());
        return;
    }
    if (take(m_ui->printerList->topLevelItem(row)))
        QDialog::accept();
}

bool PrinterSelectDialog::take(const QTreeWidgetItem* item) {
    m_printerName = item->text(kNameColumn);
    m_portName = item->text(kPortColumn);
    m_lastSent = item->text(kLastSentColumn);
    if (m_portName != kFilePort)
        return true;
    seams::messageBox(this, msg::ChooseOtherThanFile(), msg::Caption(), QMessageBox::Information);
    return false;
}

bool PrinterSelectDialog::eventFilter(QObject* watched, QEvent* event) {
    // The first click of a double click has already selected what it lands on.
    if (watched == m_ui->printerList->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        selectedRow() >= 0)
        accept();
    return QDialog::eventFilter(watched, event);
}
