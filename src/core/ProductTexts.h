#pragma once

// The product's own texts, shared by the program and the pictures drawn at build time.
namespace ProductText {

inline constexpr char Name[] = "PocketReel";
inline constexpr char DisplayName[] = "PocketReel PSP Video Converter";
inline constexpr char Maker[] = "The PocketReel developers";
inline constexpr char HomePage[] = "https://example.org/pocketreel";
inline constexpr char SupportEmail[] = "mailto:support@example.org";

} // namespace ProductText
