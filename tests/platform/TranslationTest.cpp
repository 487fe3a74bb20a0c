// SPDX-License-Identifier: MIT
#include "core/PhotoRules.h"
#include "platform/LocaleFormat.h"
#include "platform/PseudoTranslator.h"
#include "platform/Translation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The program as a German user starts it; English again afterwards, as the
// other tests expect.
class GermanProgram : public testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        m_installed = Translation::install(*qApp, QLocale());
    }
    void TearDown() override
    {
        for (QTranslator* translator : m_installed) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

private:
    QList<QTranslator*> m_installed;
};

TEST_F(GermanProgram, OwnQtAndEngineTextsAndNumbersAreGerman)
{
    EXPECT_EQ(QCoreApplication::translate("CMainFrame", "&File"), QStringLiteral("&Datei"));
    EXPECT_EQ(QCoreApplication::translate("PassedOverFiles", "%n file(s) were not loaded:", nullptr, 1),
              QStringLiteral("1 Datei wurde nicht geladen:"));
    EXPECT_EQ(QCoreApplication::translate("PassedOverFiles", "%n file(s) were not loaded:", nullptr, 3),
              QStringLiteral("3 Dateien wurden nicht geladen:"));
    // The engine's reason with its arguments put into the German template.
    EXPECT_EQ(Translation::ofEngine(snapwane::PhotoCheckText(snapwane::PhotoCheck::TooSmall)),
              QStringLiteral("kleiner als 320 × 240"));
    // Qt's own buttons, from Qt's translation.
    QMessageBox box(QMessageBox::Question, QStringLiteral("Snapwane"), QString(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
    EXPECT_EQ(LocaleFormat::byteCount(3106968), QStringLiteral("3.106.968"));
}

TEST(EnglishProgram, KeepsItsFixedFormsAndPluralForms)
{
    EXPECT_EQ(LocaleFormat::byteCount(3106968), QStringLiteral("3 106 968"));
    EXPECT_EQ(LocaleFormat::dimensions(640, 480), QStringLiteral("640 x 480"));
    EXPECT_EQ(QCoreApplication::translate("PassedOverFiles", "%n file(s) were not loaded:", nullptr, 1),
              QStringLiteral("1 file was not loaded:"));
    EXPECT_EQ(QCoreApplication::translate("PassedOverFiles", "%n file(s) were not loaded:", nullptr, 2),
              QStringLiteral("2 files were not loaded:"));
}

// What a pseudo-translated text must keep to work at all, and that it is long
// enough to find the labels too narrow for a real translation.
TEST(PseudoTranslator, LengthensTextsKeepingPlaceholdersMnemonicsMarkupAndShortcuts)
{
    struct Row { const char* text; const char* kept; };
    const Row rows[] = {
        {"The folder %1 cannot be created.", "%1"},
        {"%n file(s) were not loaded:", "%n"},
        {"&Load JPEG photos...", "&L"},
        {"<b>Quenfield Snapwane</b>, version %1", "<b>"},
        {"&Contents\tF1", "\tF1"},
        {"OK", "["},
    };
    for (const Row& row : rows) {
        const QString text = QString::fromUtf8(row.text);
        const QString pseudo = PseudoTranslator::lengthened(text);
        EXPECT_GE(pseudo.size() * 10, text.size() * 14) << row.text;
        EXPECT_TRUE(pseudo.contains(QString::fromUtf8(row.kept))) << pseudo.toStdString();
        EXPECT_TRUE(pseudo.startsWith(u'[')) << pseudo.toStdString();
    }
    EXPECT_TRUE(PseudoTranslator::lengthened(QStringLiteral("&Contents\tF1")).endsWith(QStringLiteral("]\tF1")));
    EXPECT_TRUE(PseudoTranslator::lengthened(QStringLiteral("<b>Snapwane</b>")).contains(QStringLiteral("</b>")));
}

} // namespace
