// The About box and its link (offscreen).
#include "app/about_dlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "app/hyper_link.h"
#include "export/product_info.h"
#include "fake_ui_services.h"

namespace {

using namespace vexlume::test;

// How many pixels of the rendered link have about this colour.
int PixelsOf(QWidget* widget, QColor colour) {
    const QImage image = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) < 40 && std::abs(c.green() - colour.green()) < 40 &&
                std::abs(c.blue() - colour.blue()) < 40)
                ++count;
        }
    return count;
}

const QColor kBlue(0, 0, 255), kPurple(128, 0, 128);

TEST(AboutDialog, ShowsTheProgramAndItsLink) {
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "About Vexlume");
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    for (const char* text : {"Vexlume Version 1.1", "By the Tandrel team",
                             "For information on how to use this program and to download the latest version see"})
        EXPECT_TRUE(texts.contains(text)) << text;
    EXPECT_EQ(dialog.m_wndLink->text(), kProjectWebAddress);
    EXPECT_TRUE(dialog.m_wndLink->font().underline());
    EXPECT_FALSE(dialog.findChild<QLabel*>("icon")->pixmap().isNull());
    EXPECT_TRUE(dialog.findChild<QLabel*>("credit")->text().contains("the Tandrel team"));
}

TEST(AboutDialog, LinkTurnsPurpleOnceOpened) {
    FakeUiServices ui;
    CAboutDlg dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    CHyperLink* link = dialog.m_wndLink;
    EXPECT_EQ(link->CurrentColour(), kBlue);
    EXPECT_GT(PixelsOf(link, kBlue), 10);
    EXPECT_EQ(PixelsOf(link, kPurple), 0);

    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(ui.openedUrls.size(), 1u);
    EXPECT_EQ(ui.openedUrls[0], kProjectWebAddress);
    EXPECT_EQ(link->CurrentColour(), kPurple);
    EXPECT_GT(PixelsOf(link, kPurple), 10);
    EXPECT_EQ(PixelsOf(link, kBlue), 0);
    EXPECT_EQ(ui.beeps, 0);

    // A new About box starts blue again.
    CAboutDlg again;
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    EXPECT_EQ(again.m_wndLink->CurrentColour(), kBlue);
    EXPECT_GT(PixelsOf(again.m_wndLink, kBlue), 10);
}

TEST(AboutDialog, FailedOpenOnlyBeeps) {
    FakeUiServices ui;
    ui.urlResult = false;
    CAboutDlg dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.m_wndLink, Qt::LeftButton);
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(dialog.m_wndLink->CurrentColour(), kBlue);
    EXPECT_GT(PixelsOf(dialog.m_wndLink, kBlue), 10);
    // The target is the text at the first click.
    dialog.m_wndLink->setText("https://elsewhere.example/");
    ui.urlResult = true;
    QTest::mouseClick(dialog.m_wndLink, Qt::LeftButton);
    EXPECT_EQ(ui.openedUrls.back(), kProjectWebAddress);
    EXPECT_EQ(dialog.m_wndLink->CurrentColour(), kPurple);
}

}  // namespace
