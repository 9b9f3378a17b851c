#pragma once
// Edits one of the four stored page formats: the intake position of each paper path (a three-stop
// slider and an edit), the paper length and, except for format 0, the margins.
#include <QDialog>
#include <QString>
#include <array>
#include <memory>

#include "settings/FormatBlock.h"

class NumericEdit;
class QSlider;

namespace Ui {
class FormatSettingsDialog;
}

class FormatSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on the block of format 0..3, decoded into values; OK writes that block alone. Any other
    // format opens on values as they are and OK writes no block.
    FormatSettingsDialog(int format, settings::FormatBlocks& blocks, settings::FormatValues& values,
                         QWidget* parent = nullptr);
    ~FormatSettingsDialog() override;

    // The list's word for a format; empty for none.
    static QString formatName(int format);

    // The right margin typed not above the left one: the complaint waits for OK.
    bool rightMarginPending() const { return m_rightMarginPending; }

public slots:
    // OK: the pending margin, then one low intake position per press, then the checks of every
    // value; only when all pass is the block written and the dialog closed.
    void accept() override;

private:
    struct Intake {
        QSlider* slider;
        NumericEdit* edit;
        bool postcard;
        int settings::FormatValues::*position;
        int settings::FormatValues::*stop;
        QString path;  // as the messages name it
    };

    void addIntakeRows();
    void showValues();
    bool readValues();
    void onIntakeChanged(const Intake& intake);
    void onSliderMoved(const Intake& intake);
    void onPaperLengthChanged();
    void onLeftMarginChanged();
    void onRightMarginChanged();

    std::unique_ptr<Ui::FormatSettingsDialog> m_ui;
    int m_format;
    settings::FormatBlocks& m_blocks;
    settings::FormatValues& m_values;
    std::array<Intake, 5> m_intakes{};
    bool m_rightMarginPending = false;
};
