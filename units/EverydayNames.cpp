#include "units/EverydayNames.h"

namespace ratio {

namespace {

using Names = std::string_view[];

// One pair of lists per line: what people type, and what it means.
constexpr Names poundNames{"lbs"};
constexpr Names pound{"Pound (lb)"};
constexpr Names tonNames{"ton", "tons"};
constexpr Names tons{"Imperial ton / Long ton (tn. l., ts)", "[US] Ton / Short ton (tn. sh.)",
                     "Tonne (t)"};
constexpr Names tonneNames{"metric ton", "metric tons"};
constexpr Names tonne{"Tonne (t)"};
constexpr Names kphNames{"kph", "kmh", "kmph"};
constexpr Names kph{"Kilometres per hour (km/h)"};
constexpr Names nauticalNames{"nmi"};
constexpr Names nautical{"Nautical mile (M, NM)"};
constexpr Names gallonNames{"gallon", "gallons", "gal"};
constexpr Names gallons{"Imperial gallon (Imp.gal.)", "US liquid gallon (US.liq.gal.)",
                        "US dry gallon (US.dry.gal.)"};
constexpr Names quartNames{"quart", "quarts", "qt"};
constexpr Names quarts{"Imperial quart (Imp.qt.)", "US liquid quart (US.liq.qt.)"};
constexpr Names pintNames{"pint", "pints", "pt"};
constexpr Names pints{"Imperial pint (Imp.pt.)", "US liquid pint (US.liq.pt.)"};
constexpr Names cupNames{"cup", "cups"};
constexpr Names cups{"Imperial cup (Imp.cup)", "[US] Legal cup (US legal cup)"};
// The spoons of recipes written in English are the US ones: "tbsp" beside
// "tsp" means three teaspoons. The imperial and metric tablespoons answer to
// their own names.
constexpr Names tablespoonNames{"tablespoon", "tablespoons", "tbsp"};
constexpr Names tablespoon{"[US] Tablespoon (US Tbsp.)"};
constexpr Names teaspoonNames{"teaspoon", "teaspoons", "tsp"};
constexpr Names teaspoon{"[US] Teaspoon (US tsp.)"};
constexpr Names fluidOunceNames{"fluid ounce", "fluid ounces", "fl oz", "floz"};
constexpr Names fluidOunce{"[US] Fluid ounce (US fl.oz.)"};
constexpr Names millilitreNames{"cc"};
constexpr Names millilitre{"Millilitre (ml)"};
constexpr Names cubicMetreNames{"cu m", "cbm"};
constexpr Names cubicMetre{"Cubic metre (m³)"};
constexpr Names cubicFootNames{"cu ft", "cuft"};
constexpr Names cubicFoot{"Cubic foot (ft3, cft)"};
constexpr Names cubicInchNames{"cu in"};
constexpr Names cubicInch{"Cubic inch (in3, cuin)"};
constexpr Names squareMileNames{"sq mi"};
constexpr Names squareMile{"Square mile (mi², sqmi)"};
constexpr Names squareKilometreNames{"sq km", "sqkm"};
constexpr Names squareKilometre{"Square kilometre (km²)"};
constexpr Names squareMetreNames{"sq m", "sqm"};
constexpr Names squareMetre{"Square metre (m²)"};
constexpr Names squareYardNames{"sq yd", "sqyd"};
constexpr Names squareYard{"Square yard (yd²)"};
constexpr Names squareFootNames{"sq ft", "sqft"};
constexpr Names squareFoot{"Square foot (ft²)"};
constexpr Names squareInchNames{"sq in", "sqin"};
constexpr Names squareInch{"Square inch (in²)"};
constexpr Names squareCentimetreNames{"sq cm", "sqcm"};
constexpr Names squareCentimetre{"Square centimetre (cm²)"};
constexpr Names squareMillimetreNames{"sq mm", "sqmm"};
constexpr Names squareMillimetre{"Square millimetre (mm²)"};
constexpr Names yearNames{"yr", "yrs"};
constexpr Names year{"Year (y)"};
constexpr Names weekNames{"wk", "wks"};
constexpr Names week{"Week (w)"};
constexpr Names hourNames{"hr", "hrs"};
constexpr Names hour{"Hour (h)"};
constexpr Names minuteNames{"mins"};
constexpr Names minute{"Minute (min)"};
constexpr Names secondNames{"sec", "secs"};
constexpr Names second{"Second (s)"};

constexpr EverydayNames::Entry entries[] = {
    {poundNames, pound},
    {tonNames, tons},
    {tonneNames, tonne},
    {kphNames, kph},
    {nauticalNames, nautical},
    {gallonNames, gallons},
    {quartNames, quarts},
    {pintNames, pints},
    {cupNames, cups},
    {tablespoonNames, tablespoon},
    {teaspoonNames, teaspoon},
    {fluidOunceNames, fluidOunce},
    {millilitreNames, millilitre},
    {cubicMetreNames, cubicMetre},
    {cubicFootNames, cubicFoot},
    {cubicInchNames, cubicInch},
    {squareMileNames, squareMile},
    {squareKilometreNames, squareKilometre},
    {squareMetreNames, squareMetre},
    {squareYardNames, squareYard},
    {squareFootNames, squareFoot},
    {squareInchNames, squareInch},
    {squareCentimetreNames, squareCentimetre},
    {squareMillimetreNames, squareMillimetre},
    {yearNames, year},
    {weekNames, week},
    {hourNames, hour},
    {minuteNames, minute},
    {secondNames, second},
};

} // namespace

std::span<const EverydayNames::Entry> EverydayNames::table() {
    return entries;
}

} // namespace ratio
