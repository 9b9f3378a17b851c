#pragma once
#include <QTreeWidget>

#include "framework/ControlNotifier.h"

// Report-style list view: single selection, whole rows, NM_DBLCLK on any double click
// (also on empty space, as the original control does).
class ListViewControl : public QTreeWidget, public ControlNotifier {
    Q_OBJECT
public:
    explicit ListViewControl(QWidget* parent);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
