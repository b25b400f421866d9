#!/usr/bin/env python3
"""Writes the language tables as C++ from the translation files in po/.

The template (ratio.pot) lists every text field of LocalizedStrings: msgctxt
is the field's name, msgid its British English text; count texts are plural
entries, msgid the "one" form and msgid_plural the "other". Each language's
file gives the same entries; an empty msgstr keeps the British text. Its
header names, beside gettext's Plural-Forms, the CLDR category of each
msgstr[i] (X-Plural-Categories), which the record needs to pick a form with
ICU's rules; a test holds the two against ICU for every language.

A regional variant's file (VARIANTS) holds only the texts where its region's
words differ from its language's; what it leaves out or empty keeps the text of
its language's file, and its plural header must be that file's.

A file with a missing, unknown, stale or malformed entry stops the build with
its file, line and field. Fuzzy entries count as untranslated, as msgfmt has it.

Usage: generate_tables.py PO_DIR OUTPUT.cpp
       generate_tables.py --variants   (the variants' file names, for the update script)
"""
import os
import re
import sys

# The languages in the order of Localization::Language: table class and file.
LANGUAGES = [
    ("German", "de"), ("EnglishUSA", "en_US"), ("EnglishBritish", "en_GB"), ("French", "fr"),
    ("Spanish", "es"), ("PortugueseBrazil", "pt_BR"), ("PortuguesePortugal", "pt_PT"),
    ("Italian", "it"), ("Catalan", "ca"), ("Polish", "pl"), ("Danish", "da"), ("Dutch", "nl"),
    ("Swedish", "sv"), ("Finnish", "fi"), ("Norwegian", "nb"), ("Romanian", "ro"),
    ("Slovac", "sk"), ("Czech", "cs"), ("Turkish", "tr"), ("Indonesian", "id"),
    ("Croatian", "hr"), ("Hungarian", "hu"), ("Malay", "ms"), ("Vietnamese", "vi"),
    ("Greek", "el"), ("Russian", "ru"), ("Ukrainian", "uk"), ("Japanese", "ja"),
    ("ChineseTraditional", "zh_Hant"), ("ChineseSimplified", "zh_Hans"), ("Hindi", "hi"),
    ("Korean", "ko"), ("Thai", "th"), ("Arabic", "ar"), ("Hebrew", "he"),
]
# Regional variants: table class, file and the language whose table it changes.
# The language (plural rules, settings) stays the base's; only texts differ.
VARIANTS = [("ChineseHongKong", "zh_Hant_HK", "ChineseTraditional")]
BRITISH = "EnglishBritish"
# The one field that is a list of texts: its msgstr separates them by spaces.
LIST_FIELD = "hp_M"
CATEGORIES = ["zero", "one", "two", "few", "many", "other"]
# What a Plural-Forms expression may hold: it becomes C++ as it stands.
EXPRESSION = re.compile(r"^[n0-9\s()?:<>=!&|%+*/-]+$")
ESCAPES = {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}


class PoError(Exception):
    def __init__(self, path, line, field, message):
        super().__init__(f"{path}:{line}: {field + ': ' if field else ''}{message}")


class Entry:
    def __init__(self, line, fuzzy):
        self.line = line
        self.fuzzy = fuzzy
        self.texts = {"context": None, "msgid": None, "plural": None}
        self.strings = {}  # msgstr index (None for a plain msgstr) to text

    context = property(lambda self: self.texts["context"])
    msgid = property(lambda self: self.texts["msgid"])
    plural = property(lambda self: self.texts["plural"])


def unquote(path, number, text, field):
    if len(text) < 2 or text[0] != '"' or text[-1] != '"':
        raise PoError(path, number, field, f"not a quoted string: {text}")
    out, i, body = [], 0, text[1:-1]
    while i < len(body):
        c = body[i]
        if c == '"':
            raise PoError(path, number, field, "an unescaped quote")
        if c == "\\":
            if i + 1 >= len(body) or body[i + 1] not in ESCAPES:
                raise PoError(path, number, field, "an unknown escape")
            out.append(ESCAPES[body[i + 1]])
            i += 2
            continue
        out.append(c)
        i += 1
    return "".join(out)


def read_po(path):
    """The entries of a PO file in order, the header first."""
    entries, entry, target, fuzzy = [], None, None, False
    keyword = re.compile(r"^(msgctxt|msgid_plural|msgid|msgstr(?:\[(\d+)\])?)\s+(\".*\")$")
    names = {"msgctxt": "context", "msgid": "msgid", "msgid_plural": "plural"}
    with open(path, encoding="utf-8") as file:
        lines = file.read().split("\n")
    for number, raw in enumerate(lines, 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            # Comments open the next entry; "#~" is an obsolete one msgmerge keeps.
            entry, target = None, None
            fuzzy |= line.startswith("#,") and "fuzzy" in re.split(r"[\s,]+", line[2:])
            continue
        if line.startswith('"'):
            if target is None:
                raise PoError(path, number, None, "a string outside an entry")
            target[0][target[1]] += unquote(path, number, line, entry.context)
            continue
        match = keyword.match(line)
        if not match:
            raise PoError(path, number, entry and entry.context, f"cannot read: {line}")
        word, index = match.group(1), match.group(2)
        text = unquote(path, number, match.group(3), entry and entry.context)
        if entry is None or (word in ("msgctxt", "msgid") and (
                entry.strings or entry.texts[names[word]] is not None)):
            entry, fuzzy = Entry(number, fuzzy), False
            entries.append(entry)
        if word in names:
            target = (entry.texts, names[word])
        else:
            target = (entry.strings, int(index) if index is not None else None)
        target[0][target[1]] = text
    return entries


def header_of(path, entries):
    if not entries or entries[0].msgid != "" or entries[0].context is not None:
        raise PoError(path, 1, "header", "no header entry")
    fields = {}
    for line in entries[0].strings.get(None, "").split("\n"):
        if ":" in line:
            key, value = line.split(":", 1)
            fields[key.strip()] = value.strip()
    return entries[0], fields


def read_template(path):
    """Field name to (British msgid, msgid_plural or None, line), in order."""
    fields = {}
    for entry in read_po(path)[1:]:
        if entry.context is None:
            raise PoError(path, entry.line, entry.msgid, "no msgctxt naming the field")
        if entry.context in fields:
            raise PoError(path, entry.line, entry.context, "given twice")
        fields[entry.context] = (entry.msgid, entry.plural, entry.line)
    return fields


def plural_forms(path, header):
    entry, fields = header
    forms = re.match(r"^nplurals\s*=\s*(\d+)\s*;\s*plural\s*=\s*(.+?)\s*;?$",
                     fields.get("Plural-Forms", ""))
    if not forms or not EXPRESSION.match(forms.group(2)):
        raise PoError(path, entry.line, "header", "no usable Plural-Forms")
    categories = [c.strip() for c in fields.get("X-Plural-Categories", "").split(",")]
    if (len(categories) != int(forms.group(1)) or len(set(categories)) != len(categories)
            or any(c not in CATEGORIES for c in categories)):
        raise PoError(path, entry.line, "header",
                      "X-Plural-Categories must name one CLDR category per plural form")
    if not fields.get("Language"):
        raise PoError(path, entry.line, "header", "no Language")
    return fields["Language"], categories, forms.group(2)


def count_text(path, entry, categories, forms):
    """The record's text of a count: the bare format for a language of one form,
    else "category{format}" for each form."""
    for form in forms:
        if "{" in form or "}" in form:
            raise PoError(path, entry.line, entry.context, "a brace in a count text")
    if len(forms) == 1:
        return forms[0]
    return " ".join(f"{c}{{{f}}}" for c, f in zip(categories, forms))


def read_language(path, template, base=None):
    """The file's locale, plural data and the texts it sets (field to text or list).
    A variant's file, given its base's plural data, may leave entries out."""
    entries = read_po(path)
    header = header_of(path, entries)
    locale, categories, expression = plural_forms(path, header)
    if base is not None and (categories, expression) != base:
        raise PoError(path, header[0].line, "header", "plural forms differ from its base file's")
    texts, seen = {}, set()
    for entry in entries[1:]:
        field = entry.context
        if field not in template:
            raise PoError(path, entry.line, field or entry.msgid,
                          "not in the template (a stale entry, or no msgctxt)")
        if field in seen:
            raise PoError(path, entry.line, field, "given twice")
        seen.add(field)
        msgid, plural, _ = template[field]
        if entry.msgid != msgid or entry.plural != plural:
            raise PoError(path, entry.line, field,
                          "its British text differs from the template's: update the file")
        wanted = list(range(len(categories))) if plural is not None else [None]
        if sorted(entry.strings, key=lambda k: -1 if k is None else k) != wanted:
            raise PoError(path, entry.line, field,
                          f"needs {'msgstr[0] to msgstr[%d]' % (len(wanted) - 1) if plural is not None else 'one msgstr'}")
        strings = [entry.strings[k] for k in wanted]
        if entry.fuzzy or all(s == "" for s in strings):
            continue
        if any(s == "" for s in strings):
            raise PoError(path, entry.line, field, "some plural forms empty, some not")
        if field == LIST_FIELD:
            texts[field] = strings[0].split()
        else:
            texts[field] = count_text(path, entry, categories, strings) if plural else strings[0]
    missing = [f for f in template if f not in seen]
    if missing and base is None:
        raise PoError(path, len(entries) and entries[-1].line, missing[0],
                      f"no entry (the template has it at line {template[missing[0]][2]}): "
                      "update the file")
    return locale, categories, expression, texts


def british_texts(template):
    texts = {}
    for field, (msgid, plural, _) in template.items():
        if field == LIST_FIELD:
            texts[field] = msgid.split()
        else:
            texts[field] = f"one{{{msgid}}} other{{{plural}}}" if plural is not None else msgid
    return texts


def read_tables(po_dir):
    """Every language's locale, plural data and texts; British English whole,
    every other language what it sets over British English."""
    template = read_template(os.path.join(po_dir, "ratio.pot"))
    tables = []
    for name, tag in LANGUAGES:
        locale, categories, expression, texts = read_language(
            os.path.join(po_dir, tag + ".po"), template)
        if name == BRITISH:
            texts = {**british_texts(template), **texts}
        tables.append((name, locale, categories, expression, texts))
    return template, tables


def read_variants(po_dir, template, tables):
    """Every variant's class, base class and the texts it sets over its base."""
    bases = {name: (categories, expression) for name, _, categories, expression, _ in tables}
    variants = []
    for name, tag, base in VARIANTS:
        texts = read_language(os.path.join(po_dir, tag + ".po"), template, bases[base])[3]
        variants.append((name, base, texts))
    return variants


def cpp_string(text):
    out = []
    for c in text:
        if c in '"\\':
            out.append("\\" + c)
        elif ord(c) < 0x20:
            out.append("\\%03o" % ord(c))
        else:
            out.append(c)
    return '"' + "".join(out) + '"'


def assignments(texts):
    for field, text in texts.items():
        if field == LIST_FIELD:
            yield f"    {field} = {{{', '.join(cpp_string(t) for t in text)}}};"
        else:
            yield f"    {field} = {cpp_string(text)};"


def table_class(name, base, final, texts):
    out = []
    if name != BRITISH:
        out += [f"class {name}Strings{' final' if final else ''} : public {base}Strings {{",
                "  public:", f"    {name}Strings();", "};", ""]
    out += [f"{name}Strings::{name}Strings() {{", *assignments(texts)]
    out += ["    shouldUseSimpleLocalisation = false;"] if name == BRITISH else []
    return out + ["}", ""]


def write_cpp(template, tables, variants):
    out = ["// Generated by localization/generate_tables.py from localization/po/.",
           '#include "localization/LanguageTables.h"', "", "#include <array>", "",
           "namespace ratio {", ""]
    bases = {base for _, base, _ in variants}
    for name, _, _, _, texts in tables:
        out += table_class(name, BRITISH, name not in bases, texts)
    for name, base, texts in variants:
        out += table_class(name, base, True, texts)
    fields = [f for f in template if f != LIST_FIELD]
    out += ["std::span<const LocalizedStrings::TextField> LocalizedStrings::textFields() {",
            f"    static const std::array<TextField, {len(fields)}> fields{{{{",
            *[f'        {{"{f}", &LocalizedStrings::{f}}},' for f in fields],
            "    }};", "    return fields;", "}", "",
            "std::unique_ptr<LocalizedStrings> Localization::makeStrings(Language language,",
            "                                                           Variant variant) {",
            "    switch (variant) {"]
    for name, *_ in variants:
        out += [f"    case Variant::{name}:", f"        return std::make_unique<{name}Strings>();"]
    out += ["    case Variant::None:", "        break;", "    }", "    switch (language) {"]
    for name, *_ in tables:
        out += [f"    case Language::{name}:", f"        return std::make_unique<{name}Strings>();"]
    out += ["    case Language::Count:", "        break;", "    }",
            "    return std::make_unique<EnglishBritishStrings>();", "}", "",
            "const TranslationFile& translationFile(Language language) {",
            "    using enum PluralCategory;",
            f"    static const std::array<TranslationFile, {len(tables)}> files{{{{"]
    for _, locale, categories, expression, _ in tables:
        out += [f'        {{"{locale}", {{{", ".join(c.capitalize() for c in categories)}}},',
                f"         []([[maybe_unused]] unsigned long n) -> unsigned long {{ return {expression}; }}}},"]
    out += ["    }};", "    return files.at(static_cast<std::size_t>(language));", "}", "",
            "} // namespace ratio", ""]
    return "\n".join(out)


def main():
    if sys.argv[1:] == ["--variants"]:
        print(" ".join(file for _, file, _ in VARIANTS))
        return
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    try:
        template, tables = read_tables(sys.argv[1])
        variants = read_variants(sys.argv[1], template, tables)
    except PoError as error:
        sys.exit(f"error: {error}")
    with open(sys.argv[2], "w", encoding="utf-8") as out:
        out.write(write_cpp(template, tables, variants))


if __name__ == "__main__":
    main()
