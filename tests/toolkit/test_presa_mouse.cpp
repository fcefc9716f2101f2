// Which label takes a press: a label sized to its caption takes none while
// its caption is empty, since it shows nothing; a label of designed size is
// a click area with or without a caption. Presses go to the window and are
// routed by it to the control on top.
#include <gtest/gtest.h>

#include <QTest>

#include "toolkit/Form.h"
#include "toolkit/Label.h"

namespace {

class PresaMouse : public ::testing::Test {
protected:
    PresaMouse() {
        // A wide label at the bottom, two labels over its left end.
        sotto.Move(0, 1500, 6000, 330);
        sotto.Click = [this] { premute.push_back("sotto"); };
        area.Move(0, 1500, 600, 330);
        area.Click = [this] { premute.push_back("area"); };
        sopra.setAutoSize(true);
        sopra.Move(1500, 1500, 0, 0);
        sopra.Click = [this] { premute.push_back("sopra"); };
        f.resize(500, 200);
        f.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
    }

    void premi(QPoint p) { QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, p); }
    // A point of the window inside the auto-sized label.
    QPoint dentroSopra() const { return sopra.geometry().topLeft() + QPoint(0, sopra.height() / 2); }

    forma::Form f;
    forma::Label sotto{&f};
    forma::Label area{&f};
    forma::Label sopra{&f};
    std::vector<std::string> premute;
};

TEST_F(PresaMouse, LEtichettaAdattataSenzaDidascaliaLasciaPassare) {
    sopra.setCaption(QStringLiteral("Sardinia"));
    premi(dentroSopra());
    sopra.setCaption(QString());
    ASSERT_GT(sopra.width(), 0);
    ASSERT_GT(sopra.height(), 0);
    premi(dentroSopra());
    sopra.setCaption(QStringLiteral("Corsica"));
    premi(dentroSopra());
    EXPECT_EQ(premute, (std::vector<std::string>{"sopra", "sotto", "sopra"}));
}

TEST_F(PresaMouse, LEtichettaDiMisuraProgettataPrendeLaPressioneAncheVuota) {
    ASSERT_TRUE(area.Caption().isEmpty());
    premi(area.geometry().center());
    // Made to follow its caption, the same empty label shows nothing.
    area.setAutoSize(true);
    premi(area.geometry().topLeft() + QPoint(0, area.height() / 2));
    EXPECT_EQ(premute, (std::vector<std::string>{"area", "sotto"}));
}

}  // namespace
