#!/usr/bin/env python3
"""A fixed sample of small faults for tools/mutation-sample.sh (stdlib only).

Each mutant is (id, file, snippet, replacement, description). The snippet must
occur exactly once in the file; applying a mutant replaces it in place.

Commands:
  list              id, file and description of every mutant
  ids [ID,...]      the ids to run, in list order (all, or the ones named)
  file ID           the file a mutant changes
  describe ID       its one-line description
  check             every snippet occurs exactly once (exit 1 otherwise)
  apply ID          writes the mutated file (exit 2 if the snippet is not
                    found exactly once; the file is then left untouched)
"""

import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# (id, file, snippet, replacement, description)
MUTANTS = [
    # ---- store -----------------------------------------------------------
    ("S01", "src/store/AmountRules.cpp",
     "groups.front().size() > 3",
     "groups.front().size() >= 3",
     "amount grouping: a first group of three digits refused (> to >=)"),
    ("S02", "src/store/AmountRules.cpp",
     "(beyond || value % 2 == 1)",
     "(beyond || value % 2 == 0)",
     "amount rounding: half rounds to odd instead of even"),
    ("S03", "src/store/DateRules.cpp",
     "day > 31 || day < 1 ||",
     "day > 31 || day < 0 ||",
     "date check: day 0 accepted (off by one)"),
    ("S04", "src/store/DateRules.cpp",
     "return day <= QDate(activeYear",
     "return day < QDate(activeYear",
     "date check: last day of the month refused (<= to <)"),
    ("S05", "src/store/CurrencyFormat.cpp",
     "(units % scale) * 2 >= scale",
     "(units % scale) * 2 > scale",
     "currency format: exact halves round down (>= to >)"),
    ("S06", "src/store/CurrencyFormat.cpp",
     "(digits - 1) / 3;",
     "digits / 3;",
     "currency length: one separator too many for 3, 6, 9... digits"),
    ("S07", "src/store/LedgerEntry.cpp",
     "std::memcpy(record + kNoteOffset, e.note.data(), LedgerEntry::kNoteSize);",
     "std::memcpy(record + kNoteOffset, e.note.data(), LedgerEntry::kNoteSize - 1);",
     "entry codec: last note byte not encoded"),
    ("S08", "src/store/LedgerFile.cpp",
     "flag) <= key)",
     "flag) < key)",
     "insert in order: equal key goes after instead of before (<= to <)"),
    ("S09", "src/store/LedgerFile.cpp",
     "bytes->constData() + (at + 1) * kSize",
     "bytes->constData() + at * kSize",
     "delete entry: keeps the deleted record, drops the last one"),
    ("S10", "src/store/SafeWrite.cpp",
     "if (s)\n        s = file->sync();",
     "if (s)\n        s = Status::ok();",
     "safe write: work file not synced before the rename"),
    ("S11", "src/store/SafeWrite.cpp",
     "        env.removeFile(work);   // best effort: the old file is untouched\n",
     "",
     "safe write: failed work file left behind (dropped removeFile)"),
    ("S12", "src/store/SortKey.cpp",
     "const int m = flag == 'E' ? 3 : 0;",
     "const int m = flag == 'E' ? 0 : 3;",
     "sort key: month position swapped for both date formats"),
    ("S13", "src/store/PlainNumber.cpp",
     "if (c < u'0' || c > u'9')\n            break;",
     "if (c < u'0' || c > u'9')\n            continue;",
     "plain number: skips a non-digit instead of stopping"),
    ("S14", "src/store/NumberReader.cpp",
     "if (first > 5 ||",
     "if (first >= 5 ||",
     "number reader: money half always rounds up (> to >=)"),
    ("S15", "src/store/Win1252.cpp",
     "byte >= 0x80 && byte <= 0x9F",
     "byte >= 0x80 && byte < 0x9F",
     "code page: byte 0x9F not mapped (<= to <)"),
    ("S16", "src/store/PersonalRecord.cpp",
     "    get(p.currencySymbol, r, kCurrencySymbolOffset);\n",
     "",
     "personal record: currency symbol not decoded (dropped call)"),
    ("S17", "src/store/PersonalSettings.cpp",
     "    record.setLastStartDate(today);\n",
     "",
     "personal settings: last start date not updated on load"),
    ("S18", "src/store/RecordFile.h",
     "for (; left >= size; p += size, left -= size)",
     "for (; left > size; p += size, left -= size)",
     "chunked record read: a piece ending on a record boundary drops it (>= to >)"),
    ("S19", "src/store/MonthNames.cpp",
     "month < 1 || month > 12",
     "month < 1 || month >= 12",
     "month names: December not named (> to >=)"),
    ("S20", "src/store/ReportSelection.cpp",
     "recordCount<CategoryRecord>(bytes) - 1)",
     "recordCount<CategoryRecord>(bytes))",
     "report selection: count includes the unwritten first record"),
    # ---- macros ----------------------------------------------------------
    ("M01", "src/core/macros/MacroReader.cpp",
     "line.front() == '\\''",
     "line.front() == '\"'",
     "macro lines: remark character is a double quote"),
    ("M02", "src/core/macros/MacroReader.cpp",
     "if (start < n)",
     "if (start + 1 < n)",
     "macro lines: a one-character last line without line end dropped"),
    ("M03", "src/core/macros/MacroReader.cpp",
     "k + 3 <= lines",
     "k + 3 < lines",
     "macro entries: last complete entry dropped (<= to <)"),
    ("M04", "src/core/macros/MacroReader.cpp",
     "if (win1252Holds(upper))",
     "if (!win1252Holds(upper))",
     "macro code: upper case only where the code page lacks it (negated)"),
    ("M05", "src/core/macros/MacroPlayer.cpp",
     "fileName().mid(2, 2)",
     "fileName().mid(1, 2)",
     "macro play date: year taken one character early"),
    ("M06", "src/core/macros/MacroPlayer.cpp",
     "    env.removeFile(workFile);\n",
     "",
     "macro play: work file left behind (dropped removeFile)"),
    ("M07", "src/core/macros/InsertMany.cpp",
     "return m > p.key;",
     "return m >= p.key;",
     "insert many: equal keys placed after the old record (> to >=)"),
    ("M08", "src/core/macros/InsertMany.cpp",
     "return a.order > b.order;",
     "return a.order < b.order;",
     "insert many: equal-key new entries in file order instead of reversed"),
    ("M09", "src/core/macros/MacroTemplate.cpp",
     "out.append(\"\\r\\n\");",
     "out.append(\"\\n\");",
     "macro template: LF line ends instead of CR LF"),
    ("M10", "src/core/macros/MacroFiles.cpp",
     "return c != 0 ? c < 0 : a < b;",
     "return c != 0 ? c > 0 : a < b;",
     "macro file list: sorted descending"),
    # ---- reports ---------------------------------------------------------
    ("R01", "src/core/reports/ReportGenerator.cpp",
     "if (twiceRest > den ||",
     "if (twiceRest >= den ||",
     "report shares: halves always round up (> to >=)"),
    ("R02", "src/core/reports/ReportGenerator.cpp",
     "if ((bytes[i] & 0xE0) == 0x80)",
     "if ((bytes[i] & 0xF0) == 0x80)",
     "report text: 0x90..0x9F in a field tail not looked up (wrong mask)"),
    ("R03", "src/core/reports/ReportGenerator.cpp",
     "if (month >= request_.startMonth && month <= request_.endMonth)",
     "if (month > request_.startMonth && month <= request_.endMonth)",
     "report period: first month left out (>= to >)"),
    ("R04", "src/core/reports/ReportGenerator.cpp",
     "        highestMonth_ = std::max(highestMonth_, month);\n",
     "",
     "report heading: highest month found never updated (dropped statement)"),
    ("R05", "src/core/reports/ReportGenerator.cpp",
     "} else if (incomeTotal_ < expenseTotal_) {",
     "} else if (incomeTotal_ <= expenseTotal_) {",
     "report balance: equal totals show a zero deficit (< to <=)"),
    ("R06", "src/core/reports/ReportGenerator.cpp",
     "if (s == 0)\n            continue;",
     "",
     "report summary: categories with no money listed (dropped skip)"),
    ("R07", "src/core/reports/ReportGenerator.cpp",
     "if (!laidOut[groupIndex_[j]] && copy == 0)",
     "if (copy == 0)",
     "full report: a repeated code lays its first copy out anew"),
    ("R08", "src/core/reports/ReportText.cpp",
     "for (qsizetype i = 0; i < size(); ++i)\n        if (line(i) == wanted)",
     "for (qsizetype i = 0; i + 1 < size(); ++i)\n        if (line(i) == wanted)",
     "report text contains: last line never examined (off by one)"),
    ("R09", "src/core/reports/PrintLayout.cpp",
     "if (++pageLines == kPrintLinesPerPage)",
     "if (++pageLines > kPrintLinesPerPage)",
     "print layout: one line too many per page (== to >)"),
    ("R10", "src/core/reports/PrintLayout.cpp",
     "QString(columns - out.size() % columns, u' ')",
     "QString(columns - out.size() % columns + 1, u' ')",
     "expand tabs: one blank too many (off by one)"),
    ("R11", "src/core/reports/ReportWindowRules.cpp",
     "if (++range.start > 12)",
     "if (++range.start >= 12)",
     "report months: start month wraps at November (> to >=)"),
    ("R12", "src/core/reports/ReportWindowRules.cpp",
     "if (l.outerHeight > kMinHeightForList)",
     "if (l.outerHeight >= kMinHeightForList)",
     "report resize: list resized at exactly the minimum height (> to >=)"),
    ("R13", "src/core/reports/CategoryChoice.cpp",
     "at + size <= dataRecords.size()",
     "at + size < dataRecords.size()",
     "all categories: last record's code never seen (<= to <)"),
    ("R14", "src/core/reports/CategoryChoice.cpp",
     "    sortCategories(orphans);\n",
     "",
     "all categories: orphan codes not sorted (dropped call)"),
    # ---- tools -----------------------------------------------------------
    ("T01", "src/core/tools/Sorter.cpp",
     "a.key > b.key : a.index < b.index",
     "a.key > b.key : a.index > b.index",
     "sorter: equal keys exchanged (stable order reversed)"),
    ("T02", "src/core/tools/Sorter.cpp",
     "if (qsizetype(waiting.size()) > passes)",
     "if (qsizetype(waiting.size()) >= passes)",
     "sorter: interrupted sort does one pass too few (> to >=)"),
    ("T03", "src/core/tools/Sorter.cpp",
     "passes <= 0 || n < 2",
     "passes <= 0 || n < 3",
     "sorter: a two-record file is never sorted (off by one)"),
    ("T04", "src/core/tools/Sorter.cpp",
     "run.passesDone = pass - 1;",
     "run.passesDone = pass;",
     "sorter: a cancelled pass counts as done"),
    ("T05", "src/core/tools/Sorter.cpp",
     "    std::copy(records.data() + n * kSize, records.data() + records.size(), dst);\n",
     "",
     "sorter: trailing partial record not copied (dropped statement)"),
    ("T06", "src/core/tools/CommaExport.cpp",
     "out.append(entry.date.data(), 6);",
     "out.append(entry.date.data(), 5);",
     "export: date loses its second dash (wrong length)"),
    ("T07", "src/core/tools/CommaExport.cpp",
     "'\"', ' ');",
     "'\\'', ' ');",
     "export: apostrophes blanked in notes instead of double quotes"),
    ("T08", "src/core/tools/CommaExport.cpp",
     "month > range.endMonth",
     "month >= range.endMonth",
     "export range: last month left out (> to >=)"),
    ("T09", "src/core/tools/CommaExport.cpp",
     "lines += n;",
     "lines += 1;",
     "export: line count ignores repeated codes"),
    ("T10", "src/core/tools/Backup.cpp",
     "return !name.endsWith(QLatin1String(\".$$$\")) &&",
     "return name.endsWith(QLatin1String(\".$$$\")) &&",
     "backup: only work files are backed up (negated condition)"),
    ("T11", "src/core/tools/Backup.cpp",
     "text.size() > 1 && text.endsWith(u'/')",
     "text.size() > 0 && text.endsWith(u'/')",
     "backup folder: root folder '/' trimmed to nothing (off by one)"),
    ("T12", "src/core/tools/FileMatch.cpp",
     "return c != 0 ? c < 0 : a < b;",
     "return c != 0 ? c < 0 : a > b;",
     "file match: names equal but for case in reversed order"),
    # ---- entries, categories, session ------------------------------------
    ("C01", "src/core/entries/EntrySelection.cpp",
     "for (int i = 0; i < LedgerEntry::kCodeSize; ++i)",
     "for (int i = 0; i < LedgerEntry::kCodeSize - 1; ++i)",
     "category filter: second code byte never set (off by one)"),
    ("C02", "src/core/entries/WordMatch.cpp",
     "length >= 2 && length - 1 == s",
     "length >= 3 && length - 1 == s",
     "word match: one-letter word after a lead character missed"),
    ("C03", "src/core/entries/EntryEditorLogic.cpp",
     "        fraction /= 10;\n        --digits;\n",
     "        fraction /= 10;\n",
     "amount editor text: fraction digits not reduced (dropped statement)"),
    ("C04", "src/core/entries/EntryEditorLogic.cpp",
     "if (selectedCategory != kAllCategories)",
     "if (selectedCategory == kAllCategories)",
     "entry editor: category selection follows only when all are shown (negated)"),
    ("C05", "src/core/categories/CategoryEditorLogic.cpp",
     "text.size() > qsizetype(field.size())",
     "text.size() >= qsizetype(field.size())",
     "category code match: two-character codes never match (> to >=)"),
    ("C06", "src/core/categories/CategoryEditorLogic.cpp",
     "if (codeMatches(field, oldCode) && field != replacement) {",
     "if (codeMatches(field, oldCode)) {",
     "recode entries: unchanged codes counted as changed (dropped condition)"),
    ("C07", "src/core/session/DateFormatLogic.cpp",
     "        std::swap(date[1], date[4]);\n",
     "",
     "date format change: second digits of month and day not swapped"),
    ("C08", "src/core/session/DateFormatLogic.cpp",
     "contents.size() >= LedgerEntryCodec::kSize",
     "contents.size() > LedgerEntryCodec::kSize",
     "date format change: a single-entry year counts as empty (>= to >)"),
]

BY_ID = {m[0]: m for m in MUTANTS}


def fail(message, code=1):
    print(message, file=sys.stderr)
    sys.exit(code)


def mutant(ident):
    if ident not in BY_ID:
        fail(f"unknown mutant id: {ident}")
    return BY_ID[ident]


def occurrences(m):
    path = ROOT / m[1]
    if not path.is_file():
        return -1
    return path.read_text(encoding="utf-8").count(m[2])


def main(argv):
    if not argv:
        fail(__doc__)
    command, args = argv[0], argv[1:]
    if len(BY_ID) != len(MUTANTS):
        fail("duplicate mutant ids")
    if command == "list":
        for ident, file, _, _, desc in MUTANTS:
            print(f"{ident}  {file}  {desc}")
    elif command == "ids":
        if args and args[0]:
            wanted = [w.strip() for w in args[0].split(",") if w.strip()]
            for w in wanted:
                mutant(w)
            print(" ".join(m[0] for m in MUTANTS if m[0] in wanted))
        else:
            print(" ".join(m[0] for m in MUTANTS))
    elif command == "file":
        print(mutant(args[0])[1])
    elif command == "describe":
        print(mutant(args[0])[4])
    elif command == "check":
        bad = 0
        for m in MUTANTS:
            n = occurrences(m)
            if n != 1:
                print(f"{m[0]}  {m[1]}: snippet found {n} times", file=sys.stderr)
                bad += 1
        if bad:
            sys.exit(1)
        print(f"all {len(MUTANTS)} snippets occur exactly once")
    elif command == "apply":
        m = mutant(args[0])
        n = occurrences(m)
        if n != 1:
            fail(f"{m[0]}: snippet found {n} times in {m[1]}, expected exactly once", 2)
        path = ROOT / m[1]
        text = path.read_text(encoding="utf-8")
        path.write_text(text.replace(m[2], m[3], 1), encoding="utf-8")
    else:
        fail(f"unknown command: {command}\n{__doc__}")


if __name__ == "__main__":
    main(sys.argv[1:])
