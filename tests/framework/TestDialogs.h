#pragma once
// A small dialog with one control of each kind, recording every notification it receives.
#include <string>
#include <vector>

#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "res/DialogTemplate.h"

const res::DialogTemplate& ProbeTemplate();

class ProbeDialog : public CDialog {
public:
    explicit ProbeDialog(CWnd* parent = nullptr) : CDialog(ProbeTemplate(), parent) {}

    struct Seen {
        int id;
        int code;
    };
    std::vector<Seen> commands;
    std::vector<Seen> notifies;
    std::vector<int> scrolls;
    int m_number = 7;
    int m_range = 50;
    QString m_text = QStringLiteral("before");
    QString m_choice;
    int m_radio = -1;
    int m_check = 0;
    int m_slider = 1;
    bool exchangeRange = false;
    bool endInInit = false;

    bool OnCommand(int id, int code) override {
        commands.push_back({id, code});
        return CDialog::OnCommand(id, code);
    }
    bool OnNotify(int id, NMHDR* hdr, LRESULT* result) override {
        notifies.push_back({id, hdr->code});
        return CDialog::OnNotify(id, hdr, result);
    }
    void OnHScrollMessage(int code, int pos, QWidget* bar) override {
        scrolls.push_back(pos);
        CDialog::OnHScrollMessage(code, pos, bar);
    }
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        if (endInInit)
            EndDialog(IDCANCEL);
        return true;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, 10, m_number);
        DDX_Text(pDX, 11, m_range);
        if (exchangeRange)
            DDV_MinMaxInt(pDX, m_range, 40, 132);
        DDX_Text(pDX, 12, m_text);
        DDX_CBString(pDX, 20, m_choice);
        DDX_Radio(pDX, 30, m_radio);
        DDX_Check(pDX, 40, m_check);
        DDX_Slider(pDX, 50, m_slider);
    }
    int CountCommands(int id, int code) const {
        int n = 0;
        for (const Seen& s : commands)
            n += (s.id == id && s.code == code);
        return n;
    }
};
