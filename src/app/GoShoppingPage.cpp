#include "app/GoShoppingPage.h"

#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/AppContext.h"

#ifdef QMP_HAVE_WEBENGINE
#include <QWebEngineView>
#endif

TGoShoppingPage::TGoShoppingPage(TAppContext& Context, QWidget* Parent) : TTripPage(Context, Parent) {
  auto* Layout = new QVBoxLayout(this);
  Layout->setContentsMargins(0, 0, 0, 0);
}

bool TGoShoppingPage::HasWebView() const {
#ifdef QMP_HAVE_WEBENGINE
  return true;
#else
  return false;
#endif
}

void TGoShoppingPage::StartUp() { Navigate(Context.Config.ShoppingAddress); }

void TGoShoppingPage::Navigate(const QString& Address) {
  FAddress = Address;
  if (!WebBrowser1) return;  // loaded when the view is created
#ifdef QMP_HAVE_WEBENGINE
  static_cast<QWebEngineView*>(WebBrowser1)->load(QUrl(Address));
#else
  FAddressLabel->setText(Address);
#endif
}

void TGoShoppingPage::showEvent(QShowEvent* Event) {
  TTripPage::showEvent(Event);
  if (!WebBrowser1) CreateView();
}

void TGoShoppingPage::CreateView() {
#ifdef QMP_HAVE_WEBENGINE
  auto* View = new QWebEngineView(this);
  View->setAccessibleName("Go Shopping!");
  WebBrowser1 = View;
  layout()->addWidget(View);
  if (!FAddress.isEmpty()) View->load(QUrl(FAddress));
#else
  WebBrowser1 = new QWidget(this);
  auto* Layout = new QVBoxLayout(WebBrowser1);
  auto* Caption = new QLabel("Go Shopping!", WebBrowser1);
  QFont Font = Caption->font();
  Font.setPointSize(Font.pointSize() + 6);
  Caption->setFont(Font);
  FAddressLabel = new QLabel(FAddress, WebBrowser1);
  FAddressLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  FOpenButton = new QPushButton("Open in Web Browser", WebBrowser1);
  connect(FOpenButton, &QPushButton::clicked, this, [this] { OpenAddress(Context.Prompts, FAddress); });
  Layout->addStretch(1);
  Layout->addWidget(Caption, 0, Qt::AlignHCenter);
  Layout->addWidget(FAddressLabel, 0, Qt::AlignHCenter);
  Layout->addWidget(FOpenButton, 0, Qt::AlignHCenter);
  Layout->addStretch(2);
  layout()->addWidget(WebBrowser1);
  // Shown at once, so that a page switch from the keyboard can focus the button.
  WebBrowser1->show();
#endif
}
