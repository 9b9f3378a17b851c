#pragma once
#include <QDialog>

class CDialog;

// The Qt window of a top-level CDialog: Esc, the close box and ending the run go through the CDialog.
class DialogWidget : public QDialog {
    Q_OBJECT
public:
    DialogWidget(CDialog& owner, QWidget* parent);

public slots:
    void reject() override;
    void accept() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CDialog& m_owner;
};
