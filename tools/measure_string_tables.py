#!/usr/bin/env python3
"""Measures the language tables against British English and CLDR.

For every language table: how many text fields differ from British English,
which fields are left identical (by kind), and for how many unit and currency
names the table uses CLDR's name (out of how many CLDR has for its locale).

Development time only. Reads the translation files (localization/po) and
CLDR's XML (Debian: unicode-cldr-core); --widths also needs a build of the
localization library. Usage:

    tools/measure_string_tables.py [--build build/review] [--cldr DIR] [--list]
                                   [--same] [--widths]

--list also prints every name that differs from CLDR, with CLDR's forms;
--same the fields each table leaves British; --widths, per table, how many of
the 27 picking prompts take two lines of the unit screens' status line
(390 px window less 2 x 16 px padding, 20 px semibold), the lines of the
empty currency list's note (17 px, same width), and every prompt or note over
two lines and count text wider than a list row (17 px, elided past the row). --widths needs Qt (qt6-base-dev)
and a display or QT_QPA_PLATFORM=offscreen.
"""
import argparse
import json
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# In the order of the Language enumeration: table name and CLDR locale chain.
LANGUAGES = [
    ("German", ["de"]), ("EnglishUSA", ["en"]), ("EnglishBritish", ["en_GB", "en_001", "en"]),
    ("French", ["fr"]), ("Spanish", ["es"]), ("PortugueseBrazil", ["pt"]),
    ("PortuguesePortugal", ["pt_PT", "pt"]), ("Italian", ["it"]), ("Catalan", ["ca"]),
    ("Polish", ["pl"]), ("Danish", ["da"]), ("Dutch", ["nl"]), ("Swedish", ["sv"]),
    ("Finnish", ["fi"]), ("Norwegian", ["nb", "no"]), ("Romanian", ["ro"]), ("Slovac", ["sk"]),
    ("Czech", ["cs"]), ("Turkish", ["tr"]), ("Indonesian", ["id"]), ("Croatian", ["hr"]),
    ("Hungarian", ["hu"]), ("Malay", ["ms"]), ("Vietnamese", ["vi"]), ("Greek", ["el"]),
    ("Russian", ["ru"]), ("Ukrainian", ["uk"]), ("Japanese", ["ja"]),
    ("ChineseTraditional", ["zh_Hant", "zh"]), ("ChineseSimplified", ["zh"]), ("Hindi", ["hi"]),
    ("Korean", ["ko"]), ("Thai", ["th"]), ("Arabic", ["ar"]), ("Hebrew", ["he"]),
]
# The regional variants after them, in the generator's order, with their chains.
VARIANTS = [("ChineseHongKong", ["zh_Hant_HK", "zh_Hant", "zh"])]

CURRENCIES = {
    "Euro": "EUR", "United_States_dollar": "USD", "Japanese_yen": "JPY",
    "UK_Pound_sterling": "GBP", "Australian_dollar": "AUD", "Canadian_dollar": "CAD",
    "Swiss_franc": "CHF", "China_Renminbi": "CNY", "Swedish_krona": "SEK",
    "New_Zealand_dollar": "NZD", "Mexican_peso": "MXN", "Russian_ruble": "RUB",
    "Turkish_lira": "TRY", "Indian_rupee": "INR", "Brazilian_real": "BRL",
    "South_Korean_won": "KRW", "Bulgarian_lev": "BGN", "Czech_koruna": "CZK",
    "Danish_krone": "DKK", "Hungarian_forint": "HUF", "Polish_złoty": "PLN",
    "Romanian_leu": "RON", "Hong_Kong_dollar": "HKD", "Norwegian_krone": "NOK",
    "Icelandic_króna": "ISK", "Croatian_kuna": "HRK", "Indonesian_rupiah": "IDR",
    "Israeli_new_shekel": "ILS", "Malaysian_ringgit": "MYR", "Philippine_peso": "PHP",
    "Singapore_dollar": "SGD", "Thai_baht": "THB", "South_African_rand": "ZAR",
}

# Units with a CLDR counterpart of the same size. Left out: units CLDR lacks
# (light-second, thou, angstrom, long ton, Chinese and Taiwanese units, ...)
# and near misses (CLDR's cup is 236.6 ml, the legal cup 240 ml).
UNITS = {
    "Mile": "length-mile", "Kilometer": "length-kilometer", "Meter": "length-meter",
    "Yard": "length-yard", "Foot": "length-foot", "Decimeter": "length-decimeter",
    "Inch": "length-inch", "Centimeter": "length-centimeter",
    "Millimeter": "length-millimeter", "Micrometer": "length-micrometer",
    "Nanometer": "length-nanometer", "Nautical_mile": "length-nautical-mile",
    "Fathom": "length-fathom", "Light_year": "length-light-year", "Parsec": "length-parsec",
    "Miles_per_hour": "speed-mile-per-hour", "Kilometer_per_hour": "speed-kilometer-per-hour",
    "Meter_per_second": "speed-meter-per-second", "Knot": "speed-knot",
    "Tonne": "mass-metric-ton", "US_Ton_Short_Ton": "mass-ton", "Stone": "mass-stone",
    "Kilogram": "mass-kilogram", "Pound": "mass-pound", "Ounce": "mass-ounce",
    "Gram": "mass-gram", "Milligram": "mass-milligram", "Microgram": "mass-microgram",
    "Square_mile": "area-square-mile", "Square_kilometer": "area-square-kilometer",
    "Square_meter": "area-square-meter", "Hectare": "area-hectare", "Acre": "area-acre",
    "Square_centimeter": "area-square-centimeter", "Square_inch": "area-square-inch",
    "Square_yard": "area-square-yard", "Square_foot": "area-square-foot",
    "Cubic_meter": "volume-cubic-meter", "Cubic_foot": "volume-cubic-foot",
    "Cubic_inch": "volume-cubic-inch", "Imperial_gallon": "volume-gallon-imperial",
    "US_liquid_gallon": "volume-gallon", "Imperial_quart": "volume-quart-imperial",
    "US_liquid_quart": "volume-quart", "US_liquid_pint": "volume-pint", "Liter": "volume-liter",
    "Deciliter": "volume-deciliter", "Milliliter": "volume-milliliter",
    "US_Fluid_ounce": "volume-fluid-ounce", "US_Tablespoon": "volume-tablespoon",
    "US_Teaspoon": "volume-teaspoon", "Bar": "pressure-bar",
    "Standard_atmosphere": "pressure-atmosphere", "Pascal": "pressure-pascal",
    "Hectopascal": "pressure-hectopascal", "Millibar": "pressure-millibar",
    "Millimeter_of_mercury": "pressure-millimeter-ofhg",
    "Pounds_per_square_inch": "pressure-pound-force-per-square-inch",
    "Megawatt": "power-megawatt", "Kilowatt": "power-kilowatt", "Watt": "power-watt",
    "Metric_horsepower": "power-horsepower", "Kilocalorie": "energy-kilocalorie",
    "Kilojoule": "energy-kilojoule", "Calorie": "energy-calorie", "Joule": "energy-joule",
    "Year": "duration-year", "Week": "duration-week", "Day": "duration-day",
    "Hour": "duration-hour", "Minute": "duration-minute", "Second": "duration-second",
    "Millisecond": "duration-millisecond", "Microsecond": "duration-microsecond",
    "Nanosecond": "duration-nanosecond", "Petabyte": "digital-petabyte",
    "Terabyte": "digital-terabyte", "Gigabyte": "digital-gigabyte",
    "Megabyte": "digital-megabyte", "Kilobyte": "digital-kilobyte", "Byte": "digital-byte",
    "Bit": "digital-bit", "Celsius": "temperature-celsius",
    "Fahrenheit": "temperature-fahrenheit", "Kelvin": "temperature-kelvin",
    "US_Miles_per_gallon": "consumption-mile-per-gallon",
}

GENERAL = {"Cancel", "Pick_first_unit", "Done", "Back", "OK_Yes", "No", "Share",
           "Select_Auswählen", "Not_Now", "Clear", "Search", "Unit", "Unit_of_measurement",
           "Conversion_of_units", "China", "Taiwan", "Currency_rates_not_downloaded",
           "Copy", "E_mail", "Paste"}
REGIONAL = re.compile(r"_(length|area)$|^Taiwan_")


def kind_of(field):
    if field in GENERAL:
        return "general"
    if field in CURRENCIES:
        return "currency"
    if field == "China_Renminbi" or REGIONAL.search(field):
        return "Chinese/Taiwanese unit"
    if field.startswith(("NUM_more_", "Pick_")) or field in CATEGORY_NAMES:
        return "category text"
    if field in UNITS:
        return "unit (CLDR has it)"
    return "unit (not in CLDR)"


CATEGORY_NAMES = {"Currency", "Length", "Speed", "Mass", "Area", "Units_of_information",
                  "Volume", "Pressure", "Power", "Energy", "Time", "Fuel_consumption",
                  "Temperature"}


def run_tool(build, source, extra_flags=()):
    """Builds one of the tools here against the build's localization library
    and returns what it prints."""
    library = os.path.join(build, "localization", "libratio_localization.a")
    if not os.path.exists(library):
        sys.exit(f"no {library}: build the target ratio_localization first")
    with tempfile.TemporaryDirectory() as work:
        program = os.path.join(work, "tool")
        subprocess.run(["g++", "-std=c++20", "-fPIC", "-I", ROOT,
                        os.path.join(ROOT, "tools", source), library, "-o", program,
                        *extra_flags], check=True)
        return subprocess.run([program], check=True, capture_output=True).stdout


def read_tables():
    """Every language's texts, field by field, as the generated tables hold them."""
    sys.path.insert(0, os.path.join(ROOT, "localization"))
    import generate_tables
    po_dir = os.path.join(ROOT, "localization", "po")
    template, tables = generate_tables.read_tables(po_dir)
    names = [name for name, _ in LANGUAGES]
    british = tables[names.index("EnglishBritish")][4]
    texts = [{**british, **table[4]} for table in tables]
    for _, base, own in generate_tables.read_variants(po_dir, template, tables):
        texts.append({**texts[names.index(base)], **own})
    return [{"language": raw, "fields": [(f, t) for f, t in table.items() if f != "hp_M"]}
            for raw, table in enumerate(texts)]


STATUS_WIDTH = 390 - 2 * 16
STATUS_LINES = 2  # the status line keeps room for two
ROW_TEXT_WIDTH = 390 - 16 - 16 - 28  # less the margins and the check mark


def print_widths(build):
    flags = subprocess.run(["pkg-config", "--cflags", "--libs", "Qt6Gui"], check=True,
                           capture_output=True, text=True).stdout.split()
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    most_lines, over, widest_count, note_lines, too_long = {}, {}, {}, {}, []
    for line in run_tool(build, "prompt_widths.cpp", flags).decode("utf-8").splitlines():
        raw, kind, width, lines, text = line.split("\t", 4)
        raw, width, lines = int(raw), int(width), int(lines)
        if kind == "prompt":
            most_lines[raw] = max(most_lines.get(raw, 0), lines)
            over[raw] = over.get(raw, 0) + (lines > 1)
            if lines > STATUS_LINES:
                too_long.append((LANGUAGES[raw][0], f"{lines} lines", text))
        elif kind == "note":
            note_lines[raw] = lines
            if lines > STATUS_LINES:
                too_long.append((LANGUAGES[raw][0], f"{lines} lines", text))
        else:
            widest_count[raw] = max(widest_count.get(raw, 0), width)
            if width > ROW_TEXT_WIDTH:
                too_long.append((LANGUAGES[raw][0], f"{width} px", text))
    print(f"\nprompts on two lines of the status line ({STATUS_WIDTH} px), of 27; most lines;"
          f" widest count text (row: {ROW_TEXT_WIDTH} px); lines of the no-rates note (17 px)")
    for raw in sorted(most_lines):
        print(f"{LANGUAGES[raw][0]:20} {over[raw]:3}/27  {most_lines[raw]} lines  "
              f"{widest_count[raw]:4} px  {note_lines.get(raw, 0)} lines")
    for language, size, text in dict.fromkeys(too_long):
        print(f"too long: {language:20} {size:9} {text}")


def load_locale(cldr, chain):
    """Unit and currency forms of a locale, the nearer locale winning."""
    units, currencies = {}, {}
    for locale in reversed(chain):
        path = os.path.join(cldr, locale + ".xml")
        if not os.path.exists(path):
            continue
        root = ET.parse(path).getroot()
        for length in root.findall("units/unitLength[@type='long']"):
            for unit in length.findall("unit"):
                forms = [e.text for e in unit.findall("displayName")]
                forms += [e.text.replace("{0}", "") for e in unit.findall("unitPattern")]
                forms = [f for f in forms if f]
                if forms:
                    units[unit.get("type")] = forms
        for currency in root.findall("numbers/currencies/currency"):
            forms = [e.text for e in currency.findall("displayName") if e.text]
            if forms:
                currencies[currency.get("type")] = forms
    return units, currencies


def normal(text):
    text = text.replace("\u00a0", " ").replace("\u202f", " ").replace("\u2019", "'")
    return " ".join(text.split()).casefold()


def names_in(text):
    """The names a table text gives: region bracket and symbol bracket left out,
    each alternative of "A / B" on its own."""
    text = re.sub(r"^\[[^\]]*\][\s\u00a0]*", "", text)
    text = re.sub(r"\s*\([^()]*(\([^()]*\)[^()]*)*\)\s*$", "", text)
    return [normal(part) for part in text.split(" / ")]


def follows(text, forms):
    """2: the table's name is one of CLDR's forms; 1: it contains one as whole
    words (CLDR's name with a qualifier, "Galón líquido de EE. UU." for "galón");
    0: neither."""
    wanted = {normal(f) for f in forms}
    names = names_in(text)
    if any(name in wanted for name in names):
        return 2
    for name in names:
        for form in wanted:
            if form and re.search(r"(^|[\s\-/])" + re.escape(form) + r"($|[\s\-/,])", name):
                return 1
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(ROOT, "build", "review"))
    parser.add_argument("--cldr", default="/usr/share/unicode/cldr/common/main")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--same", action="store_true", help="list the fields left British")
    parser.add_argument("--widths", action="store_true", help="measure prompts (needs Qt)")
    args = parser.parse_args()

    tables = read_tables()
    british = dict(tables[LANGUAGES.index(("EnglishBritish", ["en_GB", "en_001", "en"]))]["fields"])
    print("Differs: text fields that differ from British English. Same: fields left\n"
          "identical, by kind. CLDR: names equal to CLDR's, + those that contain CLDR's\n"
          "name with a qualifier, / names CLDR has for the locale.\n")
    print(f"{'table':20} {'differs':>7}  {'same':>4}  {'units CLDR':>12}  {'currencies CLDR':>15}"
          "  same, by kind")
    misses = []
    same_lists = []
    for entry in tables:
        name, chain = (LANGUAGES + VARIANTS)[entry["language"]]
        fields = dict(entry["fields"])
        same = [f for f in fields if fields[f] == british[f]]
        units, currencies = load_locale(args.cldr, chain)
        counts = {"unit": [0, 0, 0], "currency": [0, 0, 0]}
        pairs = [("unit", f, units.get(u)) for f, u in UNITS.items()]
        pairs += [("currency", f, currencies.get(c)) for f, c in CURRENCIES.items()]
        for kind, field, forms in pairs:
            if not forms:
                continue
            grade = follows(fields[field], forms)
            counts[kind][0] += grade == 2
            counts[kind][1] += grade == 1
            counts[kind][2] += 1
            if grade < 2:
                misses.append((name, field, fields[field], forms, grade))
        kinds = {}
        for field in same:
            kinds[kind_of(field)] = kinds.get(kind_of(field), 0) + 1
        summary = ", ".join(f"{k} {n}" for k, n in sorted(kinds.items())) or "-"
        differs = len(fields) - len(same)
        u, c = counts["unit"], counts["currency"]
        print(f"{name:20} {differs:3}/{len(fields)}  {len(same):4}  {u[0]:3}+{u[1]:<2}/{u[2]:<3}"
              f"     {c[0]:3}+{c[1]:<2}/{c[2]:<3}     {summary}")
        same_lists.append((name, same))
    if args.widths:
        print_widths(args.build)
    if args.same:
        print()
        for name, same in same_lists:
            print(f"{name}: {', '.join(same)}")
    if args.list:
        print()
        for name, field, text, forms, grade in misses:
            mark = "+" if grade else "-"
            print(f"{mark} {name:20} {field:24} {text}  | CLDR: {' / '.join(dict.fromkeys(forms))}")


if __name__ == "__main__":
    main()
