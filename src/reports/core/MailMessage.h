// The e-mail message handed to the desktop's mail program. Plain C++.
#pragma once

#include <string>
#include <vector>

#include "store/Traveler.h"

// The address a contact is written to: the e-mail address, else the
// alternate one, else none (empty).
const std::string& ContactAddress(const TContact& Contact);

struct TMailMessage {
  std::string To;  // UTF-8, as typed
  std::string Cc;
  std::string Subject;
  std::vector<std::string> BodyLines;
};

// The mailto: link "mailto:<To>?Subject=<Subject>&cc=<Cc>&body=<body>",
// where the body is every line followed by "%0A". Each part is
// percent-encoded as a mailto: link needs (RFC 6068): letters, digits and
// - . _ ~ ! $ ' ( ) * + , ; : @ stay, every other byte of the UTF-8 text
// (blanks, & ? = # % / among them) becomes %XX.
std::string MailtoLink(const TMailMessage& Message);
