// The program's own credit and notice lines.
#pragma once

namespace app {

inline constexpr const char* kCreditLine = "Esercizi per la scuola primaria";
inline constexpr const char* kFooterCredit = "Esercizi di aritmetica per la classe seconda";
inline constexpr const char* kRightsNotice =
    "Programma libero per uso didattico - non salva nulla sul computer";

}  // namespace app
