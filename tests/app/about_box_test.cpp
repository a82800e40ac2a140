#include "app/about_box.h"

#include <gtest/gtest.h>

#include <QLayout>

#include "support/test_context.h"
#include "widgets/es_label.h"

namespace meridex {
namespace {

TEST(AboutBox, ShowsTheNameRaisedAndTheVersionEngravedWithRoomForBoth) {
  test::TestContext t;
  TAboutBox box(t.ctx);
  box.show();
  box.layout()->activate();
  const QList<TEsLabel*> captions = box.findChildren<TEsLabel*>();
  ASSERT_EQ(captions.size(), 2);
  EXPECT_EQ(captions[0]->text(), "Meridex");
  EXPECT_EQ(captions[0]->Appearance(), TEsAppearance::apRaised);
  EXPECT_EQ(captions[1]->text(), "Version 1.22");
  EXPECT_EQ(captions[1]->Appearance(), TEsAppearance::apSunken);
  for (const TEsLabel* caption : captions) {
    EXPECT_EQ(caption->Alignment(), TEsAlignment::taCenter);
    EXPECT_GE(caption->height(), caption->sizeHint().height());
    EXPECT_GE(caption->width(), caption->sizeHint().width());
  }
}

}  // namespace
}  // namespace meridex
