#pragma once
// The product's fixed facts, in one place for the frame, the windows and the texts.
namespace pv::product {

inline constexpr const char* kProgramName = "Pivola";
inline constexpr const char* kProgramVersion = "1.7.9";
inline constexpr const char* kExecutableName = "pivola.exe";
inline constexpr const char* kCompanyNameShort = "Vendrik";
inline constexpr const char* kCompanyNameLong = "Vendrik Software B.V.";
inline constexpr const char* kCompanyUrlFull = "https://www.vendrik-software.example";
inline constexpr const char* kSupportEmail = "support@vendrik-software.example";
inline constexpr const char* kForumUrl = "https://forum.vendrik-software.example";
inline constexpr const char* kCopyrightTime = "\xC2\xA9 2004-2026";
inline constexpr const char* kCopyrightHolders = "Vendrik Software B.V.";
inline constexpr const char* kBuiltInTextsAuthor = "Vendrik Software B.V.";
// The install mutex and the single-instance window title.
inline constexpr const char* kInstanceIdentifier = "7D2A91C04B6E4F18A3D5E0B9C8F21A64";

}  // namespace pv::product
