// Edit > Properties driven through real key and mouse events (offscreen).
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <functional>

#include "../app/fake_ui_services.h"
#include "model/particle_doc.h"
#include "model/random_generator.h"
#include "properties/page_emitter.h"
#include "properties/page_graphic.h"
#include "properties/property_sheet.h"

namespace {

using namespace vexlume::test;

class PropertiesTest : public ::testing::Test {
protected:
    void SetUp() override {
        RandomGenerator::Seed(1);
        doc.OnNewDocument();
    }
    void TearDown() override { CPropertySheet::SetModalRunner({}); }

    // Runs Edit > Properties with `drive` acting on the open sheet.
    void Run(std::function<void(CPropertySheet&)> drive) {
        CPropertySheet::SetModalRunner([&, drive](CPropertySheet& sheet) {
            sheet.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&sheet));
            current = &sheet;
            drive(sheet);
            current = nullptr;
            return sheet.result();
        });
        doc.OnEditProperties();
        EXPECT_EQ(doc.m_pSheet, nullptr);
        EXPECT_EQ(doc.m_pPageEmitter, nullptr);
        EXPECT_EQ(doc.m_pPageGraphic, nullptr);
        EXPECT_EQ(doc.m_pPageShaderFile, nullptr);
    }

    template <typename T = QLineEdit>
    T* Control(const char* id) {
        for (T* c : current->findChildren<T*>(id))
            if (c->isVisible()) return c;
        ADD_FAILURE() << "no visible control " << id;
        return nullptr;
    }

    // Replaces an edit's text by typing.
    void Type(const char* id, const QString& text) {
        QLineEdit* edit = Control(id);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    void ClickTab(int index) {
        QTabBar* bar = current->Tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
    }

    void ClickRow(const char* listId, int row) {
        QListWidget* list = Control<QListWidget>(listId);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(row)).center());
    }

    void Ok() { QTest::mouseClick(current->OkButton(), Qt::LeftButton); }
    void Apply() { QTest::mouseClick(current->ApplyButton(), Qt::LeftButton); }

    QStringList Messages() const {
        QStringList texts;
        for (const auto& m : ui.messages) texts << m.text;
        return texts;
    }

    FakeUiServices ui;
    CParticleDoc doc;
    CPropertySheet* current = nullptr;
};

TEST_F(PropertiesTest, SheetHasItsTabsAndButtons) {
    Run([&](CPropertySheet& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "Properties");
        QStringList tabs;
        for (int i = 0; i < sheet.Tabs()->count(); ++i) tabs << sheet.Tabs()->tabText(i);
        EXPECT_EQ(tabs, QStringList({"Emitter", "Graphic", "Shader"}));
        EXPECT_EQ(sheet.OkButton()->text(), "OK");
        EXPECT_EQ(sheet.CancelButton()->text(), "Cancel");
        EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
        QStringList buttons;
        for (QPushButton* b : sheet.findChildren<QPushButton*>()) buttons << b->text();
        EXPECT_FALSE(buttons.contains("Help"));
        EXPECT_EQ(Control<QListWidget>("1000")->currentItem()->text(), "X-Axis");
        EXPECT_EQ(Control("1004")->text(), "2");
        EXPECT_EQ(Control("1002")->text(), "10");
        EXPECT_EQ(Control("1013")->text(), "10");
        sheet.reject();
    });
}

struct FieldCase {
    const char* id;
    const char* text;
    const char* message;  // empty when the value is taken
};

class FieldValidationTest : public PropertiesTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(FieldValidationTest, OkTakesOrRefusesTheValue) {
    const FieldCase& c = GetParam();
    Run([&](CPropertySheet& sheet) {
        Type(c.id, c.text);
        Ok();
        if (*c.message == 0) {
            EXPECT_TRUE(ui.messages.empty()) << Messages().join("|").toStdString();
            EXPECT_EQ(sheet.result(), QDialog::Accepted);
            return;
        }
        ASSERT_EQ(Messages(), QStringList({c.message}));
        EXPECT_EQ(ui.messages[0].icon, UiServices::Icon::Warning);
        EXPECT_TRUE(sheet.isVisible());
        QLineEdit* edit = Control(c.id);
        EXPECT_EQ(QApplication::focusWidget(), edit);
        EXPECT_EQ(edit->selectedText(), edit->text());
        sheet.reject();
    });
    EXPECT_EQ(doc.IsModified(), *c.message == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Emitter, FieldValidationTest,
    ::testing::Values(
        FieldCase{"1004", "60", ""}, FieldCase{"1004", "0", ""},
        FieldCase{"1004", "60.5", "Please enter a number between 0 and 60."},
        FieldCase{"1004", "", "Please enter a number."},
        FieldCase{"1013", "0", "Please enter an integer between 1 and 1000."},
        FieldCase{"1013", "12.5", "Please enter an integer."}, FieldCase{"1013", " 12 ", ""},
        FieldCase{"1013", "1000", ""},
        FieldCase{"1005", "1", ""}, FieldCase{"1005", "1.01", "Please enter a number between 0 and 1."},
        FieldCase{"1019", "0", ""}, FieldCase{"1019", "1.01", "Please enter a number between 0 and 1."},
        FieldCase{"1001", "360", ""}, FieldCase{"1001", "-1", "Please enter a number between 0 and 360."},
        FieldCase{"1002", "361", "Please enter a number between 0 and 360."},
        FieldCase{"1003", "-25", ""}, FieldCase{"1020", "-3", ""}, FieldCase{"1021", "-1e3", ""},
        FieldCase{"1003", "inf", "Please enter a number."},
        FieldCase{"1003", "1,5", "Please enter a number."},
        FieldCase{"1003", "0x10", "Please enter a number."}));

TEST_F(PropertiesTest, ValuesComeBackAsReadFromTheirText) {
    doc.m_fBase[EMIT_SPEED] = 0.123456789f;
    Run([&](CPropertySheet&) {
        EXPECT_EQ(Control("1003")->text(), "0.123457");
        Type("1013", " 12 ");
        Ok();
    });
    EXPECT_EQ(doc.m_fBase[EMIT_SPEED], 0.123457f);
    EXPECT_EQ(doc.m_nParticles, 12);
    EXPECT_EQ(doc.m_particles.size(), 12u);
}

TEST_F(PropertiesTest, TheFirstBadFieldInExchangeOrderIsReported) {
    Run([&](CPropertySheet& sheet) {
        Type("1001", "400");
        Type("1013", "0");
        Type("1004", "abc");
        Ok();
        EXPECT_EQ(Messages(), QStringList({"Please enter a number."}));
        EXPECT_EQ(QApplication::focusWidget(), Control("1004"));
        Type("1004", "3");
        Ok();
        EXPECT_EQ(ui.messages.back().text, "Please enter an integer between 1 and 1000.");
        Type("1013", "5");
        Ok();
        EXPECT_EQ(ui.messages.back().text, "Please enter a number between 0 and 360.");
        sheet.reject();
    });
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.m_fBase[EMIT_LIFE], 2.0f);
}

TEST_F(PropertiesTest, AxisListKeepsEachAxisValues) {
    Run([&](CPropertySheet&) {
        Type("1001", "45");
        ClickRow("1000", 2);  // Z-Axis
        EXPECT_EQ(Control("1001")->text(), "0");
        EXPECT_EQ(Control("1002")->text(), "180");
        ClickRow("1000", 0);
        EXPECT_EQ(Control("1001")->text(), "45");
        EXPECT_EQ(Control("1002")->text(), "10");
        Ok();
    });
    EXPECT_EQ(doc.m_vRotationBase.x, 45.0f);
    EXPECT_EQ(doc.m_vRotationBase.z, 0.0f);
}

TEST_F(PropertiesTest, ABadValueKeepsTheAxisSelected) {
    Run([&](CPropertySheet& sheet) {
        Type("1004", "70");
        ClickRow("1000", 1);  // Y-Axis
        EXPECT_EQ(Messages(), QStringList({"Please enter a number between 0 and 60."}));
        EXPECT_EQ(Control<QListWidget>("1000")->currentRow(), 0);
        EXPECT_EQ(QApplication::focusWidget(), Control("1004"));
        sheet.reject();
    });
}

TEST_F(PropertiesTest, ABadValueKeepsThePage) {
    Run([&](CPropertySheet& sheet) {
        Type("1005", "2");
        ClickTab(1);
        EXPECT_EQ(Messages(), QStringList({"Please enter a number between 0 and 1."}));
        EXPECT_EQ(sheet.Tabs()->currentIndex(), 0);
        EXPECT_EQ(QApplication::focusWidget(), Control("1005"));
        sheet.reject();
    });
}

TEST_F(PropertiesTest, TweenListGoesByItemData) {
    for (int k = 0; k < 3; ++k) doc.m_fTweenStart[k] = 0.25f * (k + 1);  // 0.25, 0.5, 0.75
    Run([&](CPropertySheet&) {
        ClickTab(1);
        QListWidget* list = Control<QListWidget>("1007");
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
        EXPECT_EQ(texts, QStringList({"brightness", "opacity", "stretch"}));
        EXPECT_EQ(list->currentRow(), 0);
        EXPECT_EQ(Control("1011")->text(), "0.5");  // brightness, index 1
        ClickRow("1007", 1);
        EXPECT_EQ(Control("1011")->text(), "0.25");
        ClickRow("1007", 2);
        EXPECT_EQ(Control("1011")->text(), "0.75");
        Type("1011", "-2");
        ClickRow("1007", 0);
        ClickRow("1007", 2);
        EXPECT_EQ(Control("1011")->text(), "-2");
        Ok();
    });
    EXPECT_EQ(doc.m_fTweenStart[TWEEN_STRETCH], -2.0f);
    EXPECT_EQ(doc.m_fTweenStart[TWEEN_OPACITY], 0.25f);
}

struct BlendCase {
    const char* stored;
    const char* shown;
    const char* applied;
};

class BlendTest : public PropertiesTest, public ::testing::WithParamInterface<BlendCase> {};

TEST_P(BlendTest, PrefixRule) {
    doc.m_strBlend = GetParam().stored;
    Run([&](CPropertySheet&) {
        ClickTab(1);
        EXPECT_EQ(Control<QComboBox>("1005")->currentText(), GetParam().shown);
        Ok();
    });
    EXPECT_EQ(doc.m_strBlend, GetParam().applied);
}

INSTANTIATE_TEST_SUITE_P(Cases, BlendTest,
                         ::testing::Values(BlendCase{"ADD", "add", "add"}, BlendCase{"ad", "add", "add"},
                                           BlendCase{"Filter", "filter", "filter"},
                                           BlendCase{"GL_ONE GL_ONE", "GL_ONE GL_ONE", "GL_ONE GL_ONE"},
                                           BlendCase{"blend", "blend", "blend"}));

TEST_F(PropertiesTest, ApplyIsEnabledByTypingOnly) {
    Run([&](CPropertySheet& sheet) {
        QPushButton* apply = sheet.ApplyButton();
        ClickRow("1000", 1);
        ClickTab(1);
        ClickTab(2);
        EXPECT_FALSE(apply->isEnabled());
        Type("1015", "smoke");  // the Shader page never enables Apply
        EXPECT_FALSE(apply->isEnabled());
        ClickTab(1);
        QComboBox* blend = Control<QComboBox>("1005");
        blend->setFocus();
        QTest::keyClick(blend, Qt::Key_Down);  // picks "filter" from the list
        EXPECT_EQ(blend->currentText(), "filter");
        EXPECT_FALSE(apply->isEnabled());
        QTest::keyClicks(blend->lineEdit(), "x");
        EXPECT_TRUE(apply->isEnabled());
        Apply();
        EXPECT_FALSE(apply->isEnabled());
        EXPECT_EQ(doc.m_strBlend, "filterx");
        EXPECT_EQ(doc.m_strEffectName, "smoke");
        Type("1012", "15");
        EXPECT_TRUE(apply->isEnabled());
        sheet.reject();
    });
}

TEST_F(PropertiesTest, ApplyThenCancelKeepsWhatWasApplied) {
    int updates = 0;
    doc.AddView([&] { ++updates; });
    Run([&](CPropertySheet& sheet) {
        Type("1003", "99");
        Apply();
        EXPECT_EQ(doc.m_fBase[EMIT_SPEED], 99.0f);
        EXPECT_EQ(updates, 1);
        EXPECT_TRUE(sheet.isVisible());
        Type("1003", "11");
        QTest::keyClick(&sheet, Qt::Key_Escape);
    });
    EXPECT_EQ(doc.m_fBase[EMIT_SPEED], 99.0f);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(PropertiesTest, OkWithoutEditsStillRegenerates) {
    const float before = doc.m_particles[0]->m_vMove.x;
    int updates = 0;
    doc.AddView([&] { ++updates; });
    Run([&](CPropertySheet&) { Ok(); });
    EXPECT_NE(doc.m_particles[0]->m_vMove.x, before);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(updates, 2);  // the apply notification, then OK once more
}

TEST_F(PropertiesTest, APageNeverShownWritesItsValuesBackUnchanged) {
    doc.m_fTweenEnd[TWEEN_OPACITY] = 0.123456789f;
    doc.m_fBase[EMIT_ROTATION] = 1.0e-9f;
    doc.m_strBlend = "ADD";
    Run([&](CPropertySheet&) { Ok(); });
    EXPECT_EQ(doc.m_fTweenEnd[TWEEN_OPACITY], 0.123456789f);
    EXPECT_EQ(doc.m_fBase[EMIT_ROTATION], 1.0e-9f);
    EXPECT_EQ(doc.m_strBlend, "ADD");

    Run([&](CPropertySheet&) {
        ClickTab(1);
        ClickRow("1007", 1);  // opacity
        Ok();
    });
    EXPECT_EQ(doc.m_fTweenEnd[TWEEN_OPACITY], 0.123457f);
    EXPECT_EQ(doc.m_strBlend, "add");
}

TEST_F(PropertiesTest, OutOfRangeDocumentValueIsShownThenRefused) {
    doc.m_fBase[EMIT_LIFE] = 100;
    Run([&](CPropertySheet& sheet) {
        EXPECT_EQ(Control("1004")->text(), "100");
        EXPECT_TRUE(ui.messages.empty());
        Ok();
        EXPECT_EQ(Messages(), QStringList({"Please enter a number between 0 and 60."}));
        sheet.reject();
    });
    EXPECT_EQ(doc.m_fBase[EMIT_LIFE], 100.0f);
}

TEST_F(PropertiesTest, ReferenceLineFollowsEveryKeystroke) {
    Run([&](CPropertySheet& sheet) {
        ClickTab(2);
        QLineEdit* reference = Control("1018");
        EXPECT_TRUE(reference->isReadOnly());
        EXPECT_EQ(reference->text(), "textures/mymap/myeffect_#");
        QLineEdit* name = Control("1015");
        name->setFocus();
        name->end(false);
        QTest::keyClick(name, Qt::Key_S);
        EXPECT_EQ(reference->text(), "textures/mymap/myeffects_#");
        EXPECT_EQ(name->cursorPosition(), 9);
        name->setCursorPosition(2);
        QTest::keyClick(name, Qt::Key_X);
        EXPECT_EQ(reference->text(), "textures/mymap/myxeffects_#");
        EXPECT_EQ(name->cursorPosition(), 3);
        Type("1014", "");
        EXPECT_EQ(reference->text(), "textures//myxeffects_#");
        Type("1016", "textures/x/editor.tga");
        EXPECT_EQ(reference->text(), "textures//myxeffects_#");
        EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
        Ok();
    });
    EXPECT_EQ(doc.m_strEffectName, "myxeffects");
    EXPECT_EQ(doc.m_strMapDir, "");
    EXPECT_EQ(doc.m_strEditorImage, "textures/x/editor.tga");
}

TEST_F(PropertiesTest, PointersAreNullWhateverEndsTheSheet) {
    // Run() checks the pointers after each of these.
    Run([&](CPropertySheet&) { Ok(); });
    Run([&](CPropertySheet& sheet) { QTest::mouseClick(sheet.CancelButton(), Qt::LeftButton); });
    Run([&](CPropertySheet& sheet) { QTest::keyClick(&sheet, Qt::Key_Escape); });
    Run([&](CPropertySheet& sheet) { sheet.close(); });
}

TEST_F(PropertiesTest, ReopeningShowsTheCurrentValuesFromTheStart) {
    doc.m_fBase[EMIT_SPEED] = 7;
    Run([&](CPropertySheet&) {
        ClickRow("1000", 2);
        ClickTab(1);
        ClickRow("1007", 2);
        Ok();
    });
    Run([&](CPropertySheet& sheet) {
        EXPECT_EQ(sheet.Tabs()->currentIndex(), 0);
        EXPECT_EQ(Control<QListWidget>("1000")->currentItem()->text(), "X-Axis");
        EXPECT_EQ(Control("1003")->text(), "7");
        ClickTab(1);
        EXPECT_EQ(Control<QListWidget>("1007")->currentItem()->text(), "brightness");
        sheet.reject();
    });
}

}  // namespace
