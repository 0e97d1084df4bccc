// The recipients' addresses and the mailto: link.
#include <gtest/gtest.h>

#include "reports/core/MailMessage.h"

namespace {

TEST(ContactAddressTest, TheEMailElseTheAlternateElseNone) {
  TContact Contact;
  EXPECT_EQ(ContactAddress(Contact), "");
  Contact.AlternateEMail = "alt@example.com";
  EXPECT_EQ(ContactAddress(Contact), "alt@example.com");
  Contact.EMail = "ann@example.com";
  EXPECT_EQ(ContactAddress(Contact), "ann@example.com");
}

struct TLinkCase {
  const char* Name;
  TMailMessage Message;
  std::string Link;
};

class MailtoLinkTest : public ::testing::TestWithParam<TLinkCase> {};

TEST_P(MailtoLinkTest, Builds) { EXPECT_EQ(MailtoLink(GetParam().Message), GetParam().Link); }

INSTANTIATE_TEST_SUITE_P(
    Links, MailtoLinkTest,
    ::testing::Values(
        TLinkCase{"TwoShortLines",
                  {"ann@example.com", "", "Trip", {"Hi", "Bye"}},
                  "mailto:ann@example.com?Subject=Trip&cc=&body=Hi%0ABye%0A"},
        TLinkCase{
            "EmptySubjectAndNoBody", {"a@b.c", "c@d.e", "", {}}, "mailto:a@b.c?Subject=&cc=c@d.e&body="},
        TLinkCase{
            "EmptyLinesKeepTheirBreak", {"", "", "", {"", "x", ""}}, "mailto:?Subject=&cc=&body=%0Ax%0A%0A"},
        TLinkCase{"TwoRecipients",
                  {"ann@example.com, bob@example.org", "", "", {}},
                  "mailto:ann@example.com,%20bob@example.org?Subject=&cc=&body="},
        TLinkCase{"CharactersWithAMeaningInALink",
                  {"a@b.c", "", "Food & fuel? 100% #1", {"cost=5/day"}},
                  "mailto:a@b.c?Subject=Food%20%26%20fuel%3F%20100%25%20%231&cc=&body=cost%3D5%2Fday%0A"},
        TLinkCase{"AHeaderCannotBeSmuggledIn",
                  {"a@b.c?bcc=spy@x.y", "x&body=", "", {}},
                  "mailto:a@b.c%3Fbcc%3Dspy@x.y?Subject=&cc=x%26body%3D&body="},
        TLinkCase{"NonAsciiAsUtf8Bytes",
                  {"", "", "Caf\xc3\xa9 \xe2\x82\xac", {"\"quoted\" <tag>"}},
                  "mailto:?Subject=Caf%C3%A9%20%E2%82%AC&cc=&body=%22quoted%22%20%3Ctag%3E%0A"},
        TLinkCase{"SafePunctuationStays",
                  {"", "", "-._~!$'()*+,;:@", {}},
                  "mailto:?Subject=-._~!$'()*+,;:@&cc=&body="}),
    [](const ::testing::TestParamInfo<TLinkCase>& Info) { return std::string(Info.param.Name); });

}  // namespace
