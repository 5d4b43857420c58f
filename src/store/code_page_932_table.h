#pragma once

#include <cstdint>

// The double-byte characters of code page 932, as the C library's CP932 converter reads
// them (written by scripts/generate-code-page-932-table). A pair is a lead byte from
// 0x81 and a trail byte from 0x40 to 0xFC other than 0x7F.
inline constexpr int kCodePage932Leads = 0xFC - 0x81 + 1;
inline constexpr int kCodePage932Trails = 188;
inline constexpr int kCodePage932Rows = 45;

// The row of kCodePage932Pairs for each lead byte, from 0x81 on; -1 for a byte that
// leads no tabled pair (the user-defined area F0 to F9 is computed instead).
extern const std::int8_t kCodePage932RowOfLead[kCodePage932Leads];

// The code point of each pair by its trail byte's place; 0 for a pair that stands for
// no character.
extern const std::uint16_t kCodePage932Pairs[kCodePage932Rows][kCodePage932Trails];
