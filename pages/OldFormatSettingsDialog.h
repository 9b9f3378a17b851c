#pragma once
#include <QString>
#include <array>
#include <cstdint>

#include "framework/CDialog.h"
#include "settings/FormatBlock.h"

// Edits one of the four stored page formats: the intake position of each paper path (edit, spin
// and a three-stop trackbar), the paper length and, except for format 0, the margins. The function
// select page fills the block copies, decodes the chosen one, names the format and runs the
// dialog; OK encodes the working values into the named block copy and nothing else.
class OldFormatSettingsDialog : public CDialog {
public:
    using Block0 = std::array<std::uint8_t, settings::kFormat0Size>;
    using BlockN = std::array<std::uint8_t, settings::kFormatNSize>;

    OldFormatSettingsDialog();

    void DecodeFormat0(const Block0& block);
    void DecodeFormatN(const BlockN& block);
    void EncodeFormat0(Block0& block) const;
    void EncodeFormatN(BlockN& block) const;

    const settings::FormatValues& WorkingValues() const { return m_values; }
    bool RightMarginPending() const { return m_rightMarginPending != 0; }

    bool OnInitDialog() override;
    void OnOK() override;

    // Set and read directly by the function select page.
    QString m_formatName;
    BlockN m_block3{};
    BlockN m_block2{};
    BlockN m_block1{};
    Block0 m_block0{};

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnChangeFrontTractor();
    void OnChangeRearTractor();
    void OnChangeSheetGuide();
    void OnChangeSheetFeeder();
    void OnChangePostcard();
    void OnChangePaperLength();
    void OnChangeLeftMargin();
    void OnChangeRightMargin();
    void OnHScroll(UINT code, UINT pos, QWidget* bar);

    DECLARE_MESSAGE_MAP()

private:
    void OnChangeIntake(int path);
    bool HasFocus(int id) const;
    int EditValue(int id) const;
    // Writes a corrected or normalised number only when the text differs, so the change it
    // raises finds nothing more to do and the handlers come to rest.
    void ReplaceText(int id, int value);

    int m_rightMarginPending = 0;
    settings::FormatValues m_values;
};
