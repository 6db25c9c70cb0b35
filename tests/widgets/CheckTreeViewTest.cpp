// The kit's tree view driven offscreen with real mouse and key events:
// what a press on each part of a row does, which presses are reported, and
// that scrolling brings any item on screen.
#include "widgets/CheckTreeView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace halvane::testing {
namespace {

using widgets::CheckState;
using widgets::CheckTreeView;
using HitPart = CheckTreeView::HitPart;
using Item = widgets::TreeItems::Item;

class CheckTreeViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto& items = view.Items();
        root = &items.InsertLast(nullptr, u"backup.bkf", 0, 0);
        dir = &items.InsertLast(root, u"dir", 0, 0);
        file = &items.InsertFirst(dir, u"file.edb", 1, 0);
        other = &items.InsertFirst(dir, u"other.stm", 2, 0);
        items.ExpandAll();
        view.resize(300, 300);
        view.show();
        view.Refresh();
        QCoreApplication::processEvents();
        QObject::connect(&view, &CheckTreeView::ItemPressed, [this](Item* item) { pressed.push_back(item); });
        QObject::connect(&view, &CheckTreeView::ItemRightPressed,
                         [this](Item* item, const QPoint&) { rightPressed.push_back(item); });
    }

    void Press(const QPoint& at, Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent e(QEvent::MouseButtonPress, at, view.viewport()->mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &e);
    }
    void Key(int key)
    {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&view, &e);
    }
    QPoint Centre(const Item& item, HitPart part) { return view.PartRect(item, part).center(); }

    CheckTreeView view;
    Item* root = nullptr;
    Item* dir = nullptr;
    Item* file = nullptr;
    Item* other = nullptr;
    std::vector<Item*> pressed;
    std::vector<Item*> rightPressed;
};

TEST_F(CheckTreeViewTest, EachPartOfARowDoesItsOwnThing)
{
    struct Case {
        const char* name;
        Item* item;
        HitPart part;
        bool reported;
    };
    for (const Case& c : std::vector<Case>{{"label", file, HitPart::Label, true},
                                           {"check box", file, HitPart::CheckBox, true},
                                           {"icon", other, HitPart::Icon, false}}) {
        pressed.clear();
        Item* item = c.item;
        ASSERT_FALSE(view.PartRect(*item, c.part).isEmpty()) << c.name;
        EXPECT_EQ(view.HitTest(Centre(*item, c.part)).part, c.part) << c.name;
        Press(Centre(*item, c.part));
        EXPECT_EQ(view.CurrentItem(), item) << c.name << ": the press selects";
        EXPECT_EQ(pressed, c.reported ? std::vector<Item*>{item} : std::vector<Item*>{}) << c.name;
    }
    EXPECT_TRUE(file->IsChecked()) << "the check box press toggled it";
    EXPECT_EQ(dir->State(), CheckState::Partial);

    pressed.clear();
    Press(Centre(*dir, HitPart::Button));
    EXPECT_FALSE(dir->Expanded());
    EXPECT_TRUE(pressed.empty());
    EXPECT_EQ(view.Items().VisibleRowCount(), 2u);
    EXPECT_TRUE(view.PartRect(*file, HitPart::Label).isEmpty()) << "hidden under its collapsed folder";
}

TEST_F(CheckTreeViewTest, RightPressReportsTheItemOrNothingUnderIt)
{
    Press(Centre(*dir, HitPart::Label), Qt::RightButton);
    Press(QPoint(5, view.viewport()->height() - 5), Qt::RightButton);
    EXPECT_EQ(rightPressed, (std::vector<Item*>{dir, nullptr}));
    EXPECT_EQ(view.CurrentItem(), dir);
    view.Items().Clear();
    view.Refresh();
    EXPECT_EQ(view.CurrentItem(), nullptr) << "cleared items are never handed out";
    Press(QPoint(5, 5), Qt::RightButton);
    EXPECT_EQ(rightPressed.size(), 2u) << "an empty tree reports no right press";
}

TEST_F(CheckTreeViewTest, KeysMoveExpandAndCheck)
{
    view.SetCurrentItem(root);
    Key(Qt::Key_Down);
    EXPECT_EQ(view.CurrentItem(), dir);
    Key(Qt::Key_Left);
    EXPECT_FALSE(dir->Expanded());
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(view.CurrentItem(), other);
    Key(Qt::Key_Space);
    EXPECT_TRUE(other->IsChecked());
    Key(Qt::Key_End);
    EXPECT_EQ(view.CurrentItem(), file);
    Key(Qt::Key_Home);
    EXPECT_EQ(view.CurrentItem(), root);
}

TEST_F(CheckTreeViewTest, ScrollingBringsAnyItemOnScreen)
{
    Item* last = nullptr;
    for (int i = 0; i < 5000; ++i)
        last = &view.Items().InsertLast(dir, u"folder", 0, 0);
    view.Items().SetExpanded(*root, false);
    view.ItemsChanged();
    view.ScrollToItem(*last);
    EXPECT_TRUE(root->Expanded()) << "its ancestors were expanded";
    EXPECT_GT(view.FirstVisibleRow(), 4000u);
    EXPECT_EQ(view.HitTest(Centre(*last, HitPart::Label)).item, last);
    view.ScrollToItem(*root);
    EXPECT_EQ(view.FirstVisibleRow(), 0u);
}

}  // namespace
}  // namespace halvane::testing

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
