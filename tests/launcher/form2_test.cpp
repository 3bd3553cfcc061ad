// Form2, the acceptance dialog, as a real modal window over a host form that owns
// the acceptance check box.
#include <gtest/gtest.h>

#include "forms/window_text.h"
#include "launcher/windows/form2.h"
#include "tests/launcher/launcher_fixture.h"

using namespace launchertest;

namespace {

constexpr char kHost[] = R"({"name": "Host", "caption": "Host", "clientWidth": 3000, "clientHeight": 2000,
  "controls": [{"name": "Check1", "kind": "checkbox", "left": 0, "top": 0, "width": 855, "height": 255,
                "caption": "Check1", "visible": false}]})";

class AcceptanceDialog : public LauncherTest {
protected:
    AcceptanceDialog() : host(forms::ParseFormDescription(kHost)) { host.Load(); }
    // Shows the dialog modally; `drive` acts on it while it is up.
    void ShowWith(std::function<void(forms::Form&)> drive) {
        OnNextShow(std::move(drive));
        launcher::Form2 dialog(host.GetCheckBox(L"Check1"));
        dialog.ShowModal();
        EXPECT_FALSE(dialog.IsLoaded());
    }
    int Accepted() { return host.GetCheckBox(L"Check1").Value(); }

    forms::Form host;
};

TEST_F(AcceptanceDialog, OpensWithContinuaGreyedAndTheClauseText) {
    ShowWith([](forms::Form& d) {
        EXPECT_EQ(L"Clausola di accettazione intervento", forms::WindowText(d.hwnd()));
        EXPECT_FALSE(d.GetCommandButton(L"Command1").Enabled());
        EXPECT_EQ(0, d.GetCheckBox(L"Check1").Value());
        EXPECT_EQ(L"Continua", d.GetCommandButton(L"Command1").Caption());
        EXPECT_EQ(L"Annulla", d.GetCommandButton(L"Command2").Caption());
        EXPECT_EQ(L"accetto le condizioni", d.GetLabel(L"Label3").Caption());
        EXPECT_EQ(L"ATTENZIONE!", d.GetLabel(L"Label2").Caption());
        EXPECT_EQ(L"LEGGERE ATTENTAMENTE!", d.GetLabel(L"Label5").Caption());
        EXPECT_EQ(L"a pagamento", d.GetLabel(L"Label4").Caption());
        EXPECT_EQ(
            L"Gentile Cliente,\r\ncon la presente la informiamo che il tempo di collegamento tramite il "
            L"servizio di assistenza remota è\r\n" +
                std::wstring(27, L' ') +
                L"(minimo fatturabile 30 minuti) alle tariffe solite in uso.\r\nAl termine dell'assistenza Vi "
                L"verrà inviato un rapportino che riepiloga il tempo e la motivazione dell'intervento.\r\nVerrà "
                L"emessa regolare fattura a fine del corrente mese.",
            forms::WindowText(d.GetLabel(L"Label1").Handle()));
        // The owner is disabled while the dialog is up.
        EXPECT_FALSE(::IsWindowEnabled(d.hwnd()) == FALSE);
        d.Unload();
    });
    EXPECT_TRUE(::IsWindowEnabled(host.hwnd()));
    EXPECT_EQ(0, Accepted());
}

TEST_F(AcceptanceDialog, TickingEnablesAndUntickingDisablesContinua) {
    ShowWith([this](forms::Form& d) {
        EXPECT_FALSE(::IsWindowEnabled(host.hwnd()));
        auto& box = d.GetCheckBox(L"Check1");
        auto& proceed = d.GetCommandButton(L"Command1");
        ClickWindow(box.Handle());
        EXPECT_EQ(1, box.Value());
        EXPECT_TRUE(proceed.Enabled());
        ClickWindow(box.Handle());
        EXPECT_EQ(0, box.Value());
        EXPECT_FALSE(proceed.Enabled());
        d.Unload();
    });
    EXPECT_EQ(0, Accepted());
}

TEST_F(AcceptanceDialog, CaptionLabelClickedTwiceLeavesTheBoxUnticked) {
    ShowWith([](forms::Form& d) {
        auto& box = d.GetCheckBox(L"Check1");
        auto& proceed = d.GetCommandButton(L"Command1");
        ClickWindow(d.GetLabel(L"Label3").Handle());
        EXPECT_EQ(1, box.Value());
        EXPECT_TRUE(proceed.Enabled());
        ClickWindow(d.GetLabel(L"Label3").Handle());
        EXPECT_EQ(0, box.Value());
        EXPECT_FALSE(proceed.Enabled());
        d.Unload();
    });
}

TEST_F(AcceptanceDialog, ContinuaSetsTheMainWindowsBoxAndCloses) {
    ShowWith([](forms::Form& d) {
        ClickWindow(d.GetLabel(L"Label3").Handle());
        ClickWindow(d.GetCommandButton(L"Command1").Handle());
    });
    EXPECT_EQ(1, Accepted());
}

TEST_F(AcceptanceDialog, AnnullaAfterTickingLeavesTheMainWindowsBox) {
    ShowWith([](forms::Form& d) {
        ClickWindow(d.GetCheckBox(L"Check1").Handle());
        ClickWindow(d.GetCommandButton(L"Command2").Handle());
    });
    EXPECT_EQ(0, Accepted());
}

TEST_F(AcceptanceDialog, CloseBoxBehavesLikeAnnulla) {
    ShowWith([](forms::Form& d) {
        ClickWindow(d.GetCheckBox(L"Check1").Handle());
        ::SendMessageW(d.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(0, Accepted());
    // Each showing starts afresh.
    ShowWith([](forms::Form& d) {
        EXPECT_EQ(0, d.GetCheckBox(L"Check1").Value());
        EXPECT_FALSE(d.GetCommandButton(L"Command1").Enabled());
        d.Unload();
    });
}

}  // namespace
