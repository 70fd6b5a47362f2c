// Which names the gateway asks a registry about, and in which form.
#pragma once

#include <string>

namespace tzl {

// The longest name the gateway accepts, in its ASCII form (as DNS allows).
constexpr size_t kMaxDomainNameLength = 253;

// Turns the name a client asked for into the ASCII form sent to a
// registry: labels of letters, digits and hyphens (lower-cased), or their
// IDNA "xn--" form. Labels with Chinese ideographs, given in UTF-8 or in
// code page 936, are converted to their "xn--" form. At least two labels,
// one trailing dot allowed (and dropped), a top-level label that is not all
// digits (so an IP address is no name). False for anything else: such a
// name never reaches a registry.
bool ToRegistryName(const std::string& requested, std::string* asciiName);

// The top-level label of a name ToRegistryName accepted.
std::string TopLevelLabel(const std::string& asciiName);

}  // namespace tzl
