#include "framework/ListViewControl.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionHeader>

#include "framework/WinDefs.h"

namespace {

// Column headers in the list's own font. Qt measures header sections in bold, which loads a
// second face of the Japanese font (megabytes) only to size two column titles.
class PlainHeader : public QHeaderView {
public:
    explicit PlainHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override {
        if (!model())
            return QHeaderView::sectionSizeFromContents(logicalIndex);
        const QString text = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.section = logicalIndex;
        option.text = text;
        option.fontMetrics = fontMetrics();
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    }
};

}  // namespace

ListViewControl::ListViewControl(QWidget* parent) : QTreeWidget(parent) {
    setHeader(new PlainHeader(this));
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
}

void ListViewControl::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    Notify(NM_DBLCLK);
}
