#include "reports/core/MailMessage.h"

#include <cstring>

namespace {

const std::string LineEnd = "%0A";

bool StaysAsItIs(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
  return c != '\0' && std::strchr("-._~!$'()*+,;:@", c) != nullptr;
}

std::string PercentEncoded(const std::string& Text) {
  static const char Hex[] = "0123456789ABCDEF";
  std::string Result;
  for (unsigned char c : Text) {
    if (StaysAsItIs(c)) {
      Result += static_cast<char>(c);
    } else {
      Result += '%';
      Result += Hex[c >> 4];
      Result += Hex[c & 0xF];
    }
  }
  return Result;
}

}  // namespace

const std::string& ContactAddress(const TContact& Contact) {
  return Contact.EMail.empty() ? Contact.AlternateEMail : Contact.EMail;
}

std::string MailtoLink(const TMailMessage& Message) {
  std::string Body;
  for (const std::string& Line : Message.BodyLines) Body += PercentEncoded(Line) + LineEnd;
  return "mailto:" + PercentEncoded(Message.To) + "?Subject=" + PercentEncoded(Message.Subject) +
         "&cc=" + PercentEncoded(Message.Cc) + "&body=" + Body;
}
