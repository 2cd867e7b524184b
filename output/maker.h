// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace veredod::maker {

// The maker's details, shown on the report header and in the About window.
inline constexpr const char* kName = "Ruvodad";
inline constexpr const char* kProduct = "Ruvodad Veredod 2000";
inline constexpr const char* kDescription = "Ruvodad: extrusion process engineering software and consulting";
inline constexpr const char* kStreet = "1200 Example Avenue";
inline constexpr const char* kCity = "Springfield, Ontario";
inline constexpr const char* kPostalCountry = "A1B 2C3 Canada";
inline constexpr const char* kPhone = "+1 555 0100";
inline constexpr const char* kFax = "+1 555 0101";
inline constexpr const char* kEmail = "info@example.com";
inline constexpr const char* kWebHost = "www.example.com";  // as shown, without scheme
inline constexpr const char* kUpdatesPage = "www.example.com/updates";

}  // namespace veredod::maker
