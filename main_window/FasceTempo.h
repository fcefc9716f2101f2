// The two timeline tables: which map a pressed position selects.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

struct FasciaTempo {
    enum Tipo { Intervallo, Valore, Sotto } tipo;
    int da;  // lower bound (Intervallo), the value (Valore), the bound (Sotto)
    int a;   // upper bound (Intervallo only)
    std::int16_t carta;

    bool comprende(float v) const {
        switch (tipo) {
            case Intervallo: return v >= static_cast<float>(da) && v <= static_cast<float>(a);
            case Valore: return v == static_cast<float>(da);
            case Sotto: return v < static_cast<float>(da);
        }
        return false;
    }
};

// BC table: maps 1..81, looked up with 3500 - posizione.
extern const std::span<const FasciaTempo> FasceaC;
// AD table: maps 82..167, looked up with posizione itself.
extern const std::span<const FasciaTempo> FascedC;

// The last value of map 93's row. A real pointer gives positions in steps of
// 5 (15 twips per pixel, 3 twips per step): 480 leaves 465..480 to map 93 and
// 485..495 to map 94, so both can be reached with the mouse.
inline constexpr int SogliaFascedC = 480;

// The first row that matches, if any.
std::optional<std::int16_t> cartaPer(std::span<const FasciaTempo> tabella, float valore);
