// The Go Shopping! page: the shopping address in a web view when the program
// was built with one, otherwise the address and a button that opens it in the
// desktop's browser. The web view is created when the page is first shown.
#pragma once

#include "ui/TripPage.h"

class QLabel;
class QPushButton;

class TGoShoppingPage : public TTripPage {
  Q_OBJECT
 public:
  explicit TGoShoppingPage(TAppContext& Context, QWidget* Parent = nullptr);

  // Loads Address into the web view (WebBrowser1).
  void Navigate(const QString& Address);
  // Loads the shopping address of the start-up configuration.
  void StartUp() override;
  QString Address() const { return FAddress; }
  bool HasWebView() const;

 protected:
  void showEvent(QShowEvent* Event) override;

 private:
  void CreateView();

  QString FAddress;
  QWidget* WebBrowser1 = nullptr;
  QLabel* FAddressLabel = nullptr;
  QPushButton* FOpenButton = nullptr;
};
