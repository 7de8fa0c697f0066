// Operator boxes opened while their modal loop handles further events.
#include "hostlink/operator_boxes.h"
#include "module_fixture.h"

namespace qvs {
namespace {

class OperatorBoxesTest : public ModuleTest {
protected:
    RecordingPanel& panel = platform.Panel;
    int Show(OperatorBox kind, const char* text) { return ShowOperatorBox(state, kind, text, kIconQuestion); }
};

TEST_F(OperatorBoxesTest, AKindIsOpenOnceAtATimeAndShowsAgainOnceClosed) {
    panel.NextAnswer = kAnswerNo;
    std::vector<int> nested;
    bool reentered = false;
    panel.WhileShown = [&] {
        if (reentered) return;
        reentered = true;
        nested.push_back(Show(OperatorBox::NoNetworkName, "same kind"));
        nested.push_back(Show(OperatorBox::SaveFailure, "other kind"));
    };
    EXPECT_EQ(Show(OperatorBox::NoNetworkName, "first"), kAnswerNo);
    EXPECT_EQ(nested, (std::vector<int>{kBoxNotShown, kAnswerNo}));
    EXPECT_EQ(panel.Messages, (std::vector<std::string>{"first", "other kind"}));
    EXPECT_EQ(state.OpenBoxes, 0u);
    EXPECT_EQ(Show(OperatorBox::NoNetworkName, "after closing"), kAnswerNo);
    EXPECT_EQ(panel.Messages.back(), "after closing");
}

TEST_F(OperatorBoxesTest, WithoutAPanelNothingIsShown) {
    state.Ports.Panel = nullptr;
    EXPECT_EQ(Show(OperatorBox::SaveFailure, "x"), kBoxNotShown);
    EXPECT_EQ(state.OpenBoxes, 0u);
}

}  // namespace
}  // namespace qvs
