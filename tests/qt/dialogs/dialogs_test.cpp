// Each dialog driven through its widgets: the values reach the show on OK, a refused value
// shows its message and keeps the dialog open, and Help opens the dialog's topic.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QRadioButton>
#include <QSpinBox>
#include <vector>

#include "dialogs/align_dialog.h"
#include "dialogs/formation_properties_dialog.h"
#include "dialogs/mirror_dialog.h"
#include "dialogs/grid_properties_dialog.h"
#include "dialogs/show_settings_dialogs.h"
#include "dialogs/step_calculator_dialog.h"
#include "dialogs/view_options_dialog.h"
#include "qt/qt_support.h"

namespace px {
namespace {

using test::WithModal;
using DialogTest = test::ShowFixture;

TEST_F(DialogTest, GridPropertiesPresetAndFinerLinesReachTheShow) {
  QString help;
  WithModal<GridPropertiesQtDialog>([&] { Run("Field Options"); },
                                  [&](GridPropertiesQtDialog& d) {
                                    help = HelpShownBy(d);
                                    d.presets()->button(2)->click();  // "Indoor Guard 70 x 50"
                                    EXPECT_EQ(d.width->text(), QStringLiteral("840.00"));
                                    EXPECT_FALSE(d.showHash1->isChecked());
                                    d.families[3].vertical->setChecked(true);  // 1 step lines
                                    d.families[0].vertical->setChecked(false);
                                    d.families[0].horizontal->setChecked(false);
                                    d.fieldColor->setColor(RGB(0, 90, 0));
                                    d.hash2->setText(QStringLiteral("300.5"));
                                    d.okButton()->click();
                                  });
  EXPECT_EQ(help, PageOf("The View Field Properties Command"));
  // 840 x 600 inches are 1680 x 1200 field units; Hash 2 of 300.5 inches is 601 units.
  // The 8-step verticals are brought along by the 1-step lines.
  EXPECT_EQ((std::vector<double>{doc().m_dFieldWidth, doc().m_dFieldHeight, doc().m_dHash2}),
            (std::vector<double>{1680.0, 1200.0, 601.0}));
  EXPECT_EQ((std::vector<long long>{doc().m_nFieldType, doc().m_bShowHash1, doc().m_bVertical1, doc().m_bVertical8,
                                    doc().m_bHorizontal8, doc().m_crField}),
            (std::vector<long long>{2, 0, 1, 1, 0, RGB(0, 90, 0)}));
  EXPECT_TRUE(doc().IsModified());
  // The view lays the narrower floor out centred: 720 + (7200 - 1680) / 2 = 3480.
  EXPECT_EQ(view->state().m_rcField.left, 3480);
}

TEST_F(DialogTest, StepCalculatorTurnsStepsIntoInchesAndCancelKeepsTheShow) {
  WithModal<GridPropertiesQtDialog>([&] { Run("Field Options"); }, [&](GridPropertiesQtDialog& d) {
    WithModal<StepCalculatorQtDialog>([&] { d.findChild<QPushButton*>(QStringLiteral("S/Width:"))->click(); },
                                    [](StepCalculatorQtDialog& calc) {
                                      // Opened on the width: 3600 inches of 22.5-inch steps.
                                      EXPECT_EQ(calc.field(StepCalculatorDialog::INCHES)->text(), QStringLiteral("3600.00"));
                                      EXPECT_EQ(calc.field(StepCalculatorDialog::STEP_LENGTH)->text(), QStringLiteral("22.50"));
                                      calc.field(StepCalculatorDialog::STEPS)->setText(QStringLiteral("8"));
                                      QTest::keyClick(calc.field(StepCalculatorDialog::STEPS), Qt::Key_Return);
                                      if (calc.isVisible()) calc.accept();
                                    });
    EXPECT_EQ(d.width->text(), QStringLiteral("180.00"));  // 8 steps of 22.5 inches
    d.reject();
  });
  EXPECT_EQ(doc().m_dFieldWidth, 7200.0);
  EXPECT_FALSE(doc().IsModified());
}

TEST_F(DialogTest, ViewOptionsRefusesASmallIntervalAndStaysOpen) {
  bool stillOpen = false;
  QString help;
  WithModal<ViewOptionsQtDialog>([&] { Run("View Options..."); },
                               [&](ViewOptionsQtDialog& d) {
                                 help = HelpShownBy(d);
                                 d.interval->setText(QStringLiteral("10"));
                                 d.okButton()->click();
                                 stillOpen = d.isVisible();
                                 d.interval->setText(QStringLiteral("30"));
                                 d.findChild<QCheckBox*>(QStringLiteral("Formations/Outline Past"))->setChecked(true);
                                 d.findChild<QCheckBox*>(QStringLiteral("ID Numbers/Show"))->setChecked(true);
                                 d.idPosition->button(1)->click();  // "Left"
                                 d.printRange->button(1)->click();  // "Steps"
                                 d.findChild<QSpinBox*>(QStringLiteral("Sizes/Shape Size"))->setValue(30);
                                 d.findChild<ColorButton*>(QStringLiteral("Formations/Selected"))->setColor(RGB(255, 0, 0));
                                 d.okButton()->click();
                               });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(help, PageOf("The View Options Command"));
  EXPECT_EQ(ui.Shown(), (Shown{{"Interval must be at least 12 inches.", "View Options"}}));
  EXPECT_EQ(doc().m_dInterval, 60.0);  // 30 inches
  EXPECT_EQ((std::vector<long long>{doc().m_bOutlinePast, doc().m_bShowIdNumbers, doc().m_nIdPosition,
                                    doc().m_nPrintRange, doc().m_nPersonSize, doc().m_crSelectedFormation}),
            (std::vector<long long>{1, 1, 1, 1, 30, RGB(255, 0, 0)}));
}

TEST_F(DialogTest, SetBitmapsLoadsTheChosenPicture) {
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(Qt::red);
  const QString file = Path(QStringLiteral("brass.bmp"));
  ASSERT_TRUE(picture.save(file, "BMP"));
  QString help;
  WithModal<SetBitmapsQtDialog>([&] { Run("Set Bitmaps..."); },
                              [&](SetBitmapsQtDialog& d) {
                                help = HelpShownBy(d);
                                d.files[GROUP_BRASS]->setText(file);
                                d.okButton()->click();
                              });
  EXPECT_EQ(help, PageOf("The View Set Bitmaps Command"));
  EXPECT_EQ(doc().m_strSymbolBitmapFile[GROUP_BRASS], file.toStdString());
  ASSERT_NE(doc().m_pSymbolBitmaps[GROUP_BRASS], nullptr);
  EXPECT_FALSE(doc().m_pSymbolBitmaps[GROUP_BRASS]->bytes.empty());
  EXPECT_TRUE(doc().m_pSymbolBitmaps[GROUP_DRUMS]->bytes.empty());
  EXPECT_TRUE(doc().IsModified());
}

TEST_F(DialogTest, DocumentInformationStoresEveryTextAndMarksTheShow) {
  WithModal<DocumentInfoQtDialog>([&] { Run("Document Info..."); },
                                [](DocumentInfoQtDialog& d) {
                                  EXPECT_EQ(d.helpButton(), nullptr);  // the dialog has no help topic
                                  d.SetText(DocumentInfoDialog::TITLE, QStringLiteral("Homecoming \u00e9t\u00e9"));
                                  d.SetText(DocumentInfoDialog::CONTACT_INFO, QStringLiteral("Band room\nEast wing"));
                                  d.okButton()->click();
                                });
  // The show keeps Windows-1252 bytes (e9 for "é") and Windows line breaks.
  EXPECT_EQ(doc().m_strTitle, "Homecoming \xe9t\xe9");
  EXPECT_EQ(doc().m_strContactInfo, "Band room\r\nEast wing");
  EXPECT_TRUE(doc().IsModified());
}

class FormationDialogTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    auto rect = std::make_unique<CDrawRect>(CRect{2000, 1000, 3000, 2000});
    rect->m_nShape = SHAPE_RECTANGLE;
    formation = doc().AddFormation(std::move(rect));
    formation->RecalcOutline();
    doc().SetModifiedFlag(false);
    doc().m_selection.formations.push_back(formation);
  }
  CFormation* formation = nullptr;
};

TEST_F(FormationDialogTest, RefusedSidesKeepTheDialogOpenThenTheValuesApply) {
  bool stillOpen = false;
  QString help;
  WithModal<FormationPropertiesQtDialog>([&] { Run("Formation &Properties..."); },
                                       [&](FormationPropertiesQtDialog& d) {
                                         help = HelpShownBy(d);
                                         EXPECT_EQ(d.width->text(), QStringLiteral("500"));  // 1000 units
                                         d.name->setText(QStringLiteral("Op\u00e9ner"));
                                         d.countPlus8->click();
                                         d.sides->setText(QStringLiteral("60"));
                                         d.okButton()->click();
                                         stillOpen = d.isVisible();
                                         d.sides->setText(QStringLiteral("0"));
                                         d.width->setText(QStringLiteral("300"));
                                         d.color->setColor(RGB(0, 0, 255));
                                         d.okButton()->click();
                                       });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(help, PageOf("The Formation Properties Command"));
  EXPECT_EQ(ui.Shown(),
            (Shown{{"Number of sides must either be 0, or between 3 and 50.", "Formation / Prop Properties"}}));
  EXPECT_EQ(formation->m_strName, "Op\xe9ner");  // kept as Windows-1252
  EXPECT_EQ(formation->m_nStep, 8);
  EXPECT_EQ(formation->m_rcBase.right - formation->m_rcBase.left, 600);  // 300 inches
  EXPECT_EQ(formation->m_logpen.lopnColor, RGB(0, 0, 255));
  EXPECT_EQ(doc().m_nCurrentStep, 8);  // the show goes to the formation's step
  EXPECT_TRUE(doc().m_selection.formations.empty());
  EXPECT_TRUE(doc().IsModified());

  // Without a selection the command explains instead.
  Run("Formation &Properties...");
  EXPECT_EQ(ui.Shown().back(), (std::pair<std::string, std::string>{
                                   "To use this command, first select one or more formations.", "Formation Properties"}));
}

TEST_F(FormationDialogTest, AnotherKindReplacesTheFormationAndALineHasNoPeopleFill) {
  WithModal<FormationPropertiesQtDialog>([&] { Run("Formation &Properties..."); },
                                       [](FormationPropertiesQtDialog& d) {
                                         d.peopleFill->setChecked(true);
                                         d.shape->button(SHAPE_LINE)->click();
                                         EXPECT_FALSE(d.peopleFill->isChecked());
                                         EXPECT_FALSE(d.peopleFill->isEnabled());
                                         d.shape->button(SHAPE_ELLIPSE)->click();
                                         d.okButton()->click();
                                       });
  ASSERT_EQ(doc().m_formations.size(), 1u);
  EXPECT_EQ(doc().m_formations.front()->m_nShape, SHAPE_ELLIPSE);
  EXPECT_EQ(doc().m_formations.front()->m_nOutline, 140);
}

// The rectangle is (2000, 1000) to (3000, 2000); the field's middle is (4320, 2250).
TEST_F(FormationDialogTest, MirrorAndAlignDialogsActOnTheSelection) {
  QString mirrorHelp, alignHelp;
  WithModal<MirrorQtDialog>([&] { Run("Mirror Formations..."); }, [&](MirrorQtDialog& d) {
    mirrorHelp = HelpShownBy(d);
    EXPECT_TRUE(d.axis->button(0)->isChecked());  // Horizontal
    d.axis->button(2)->click();
    d.deleteOriginal->setChecked(true);
    d.okButton()->click();
  });
  ASSERT_EQ(doc().m_formations.size(), 1u);
  CFormation* image = doc().m_formations.front().get();
  EXPECT_EQ(NormalizedRect(image->m_rcBase), (CRect{5640, 2500, 6640, 3500}));

  doc().m_selection.formations = {image};
  WithModal<AlignQtDialog>([&] { Run("Align Selected Formations..."); }, [&](AlignQtDialog& d) {
    alignHelp = HelpShownBy(d);
    d.findChild<QRadioButton*>(QStringLiteral("To Field Left"))->click();
    d.okButton()->click();
  });
  EXPECT_EQ(image->FieldBounds().left, 720);
  EXPECT_EQ(mirrorHelp, PageOf("The Edit Mirror Show Command"));
  EXPECT_EQ(alignHelp, PageOf("The Formation Align Selected Formations Command"));
}

}  // namespace
}  // namespace px
