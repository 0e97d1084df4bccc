#include "pages/TextDetailsPage.h"

#include <QGroupBox>
#include <QVBoxLayout>

TTextDetailsPage::TTextDetailsPage(TAppContext& Context, const TListDetailsCaptions& Captions,
                                   const QString& DesignText, QWidget* Parent)
    : TListDetailsPage(Context, Captions, Parent) {
  auto* Layout = new QVBoxLayout(DetailsGroup);
  Details = new TRecordTextEditor(*this, Context, DesignText, DetailsGroup);
  Layout->addWidget(Details);
}
