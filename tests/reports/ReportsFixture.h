// A main window on a trip, with the shipped report template in its working
// folder, and helpers to use the Reports page and the report window.
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>

#include "reports/ReportsPage.h"
#include "reports/Unit4.h"
#include "support/PagesFixture.h"
#include "support/RealisticTrip.h"
#include "widgets/EditPopupMenu.h"
#include "widgets/RtfEdit.h"

inline std::string ShippedTemplatePath() {
  return std::string(QMP_SOURCE_DIR) + "/resources/ReportTemplate.rtf";
}

// The realistic trip of the gear tests with notes, plans, recipes and the
// party's contacts added.
inline void BuildReportTrip(TTravelerData& Store) {
  BuildRealisticTrip(Store);
  Store.AddNote(0, {"Drive to Bishop", "Pick up permits"}, 14, 7, 2024);
  Store.AddNote(0, {"Trailhead 7am"}, 15, 7, 2024);
  Store.AddPlan(0, "Shuttle to Roads End", "East Side Sierra Shuttle\r\nPick-up 6:30 at the motel");
  Store.AddPlan(0, "Car at Whitney Portal", "Overflow lot.");
  Store.AddRecipe(0, "Three-bean chili", "Soak the beans at lunch.\r\nSimmer 20 minutes.");
  Store.GetRecipe(0, 0).Ingredients = {"Dehydrated beans 120 g", "Chili powder"};
  Store.AddContact(0);
  TContact& Ann = Store.GetContact(0, 0);
  Ann.Name = "Ann Keller";
  Ann.EMail = "ann@example.com";
  Ann.Phone = "559-555-0101";
  Store.AddContact(0);
  TContact& Bob = Store.GetContact(0, 1);
  Bob.Name = "Bob Ortiz";
  Bob.AlternateEMail = "bob.alt@example.org";
  Store.AddContact(0);
  Store.GetContact(0, 2).Name = "Cleo (no e-mail)";
}

class ReportsTest : public PagesTest {
 protected:
  void SetUp() override { std::filesystem::copy_file(ShippedTemplatePath(), TemplatePath()); }

  static std::filesystem::path TemplatePath() {
    return std::filesystem::current_path() / "ReportTemplate.rtf";
  }
  static void UseTemplate(const std::string& Rtf) {
    std::ofstream(TemplatePath(), std::ios::binary | std::ios::trunc) << Rtf;
  }
  static std::string FileText(const std::filesystem::path& Path) {
    std::ifstream File(Path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(File), {});
  }

  TReportsPage& Reports() { return *Form->ReportsPage; }
  TfrmReport& ReportWindow() { return *Reports().frmReport; }
  TRtfEdit& Report() { return *ReportWindow().RichEdit1; }
  QStringList ReportParagraphs() { return Report().toPlainText().split('\n'); }
  QStringList MessageParagraphs() { return Reports().RichEdit7->toPlainText().split('\n'); }

  // Clicks "Compile Printable Report"; if the report window opens modally,
  // runs WhileShown in it and closes it. True when it opened.
  bool CompilePrintableReport(const std::function<void()>& WhileShown = [] {}) {
    ShowPage(TMainForm::ReportsPageIndex);
    bool Shown = false;
    QTimer::singleShot(0, &ReportWindow(), [&] {
      Shown = ReportWindow().isVisible() && ReportWindow().isModal();
      if (!Shown) return;
      WhileShown();
      ReportWindow().Button2->click();
    });
    Reports().Button33->click();
    QApplication::processEvents();
    return Shown;
  }
  // A click on a page button, as the user makes it; failures show the error box.
  void Click(QPushButton* Button) {
    ShowPage(TMainForm::ReportsPageIndex);
    Button->click();
  }
};
