#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The program's texts and their translations.

  check_translations.py literals SRC ALLOWED
      fails for every string literal of the program (SRC, the engine left out)
      that reads as words for the user but reaches no translation call; ALLOWED
      lists the literals that stay as they are (names, fonts, file names), one a
      line, each with its reason after " # "; "FILE:" allows all of a file's.
  check_translations.py files LUPDATE SRC TS_FOLDER
      fails when lupdate would change the message set of the .ts files (a text
      added or gone since the last `update_translations`), when a German text is
      missing, or when a German or English plural lacks a form.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# Calls whose string arguments are translated or marked for translation.
TRANSLATING = {"tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "QT_TR_N_NOOP", "QT_TRANSLATE_N_NOOP",
               "SNAPWANE_TRANSLATE_NOOP"}
# Calls whose strings are for the developer, never shown: logs, properties, names.
NOT_SHOWN = {"qCDebug", "qCInfo", "qCWarning", "qCCritical", "qDebug", "qInfo", "qWarning", "qCritical",
             "Q_LOGGING_CATEGORY", "static_assert", "setObjectName", "setProperty", "property",
             "qEnvironmentVariable", "qEnvironmentVariableIsSet", "qEnvironmentVariableIsEmpty", "qputenv",
             "findChild", "findChildren", "inherits", "QRegularExpression"}

LOG_STREAM = re.compile(r'\bq(C)?(Debug|Info|Warning|Critical)\s*\(')
LITERAL = re.compile(r'(?:u8|u|U|L)?"((?:[^"\\\n]|\\.)*)"')
COMMENT = re.compile(r'//[^\n]*|/\*.*?\*/', re.S)


def without_comments(text):
    # Comments become blanks of the same length, so offsets and lines stay.
    def blank(match):
        return re.sub(r'[^\n]', ' ', match.group(0))
    out, pos = [], 0
    # Skip comment markers inside string literals.
    for match in re.finditer(r'"(?:[^"\\\n]|\\.)*"|//[^\n]*|/\*.*?\*/', text, re.S):
        out.append(text[pos:match.start()])
        token = match.group(0)
        out.append(token if token.startswith('"') else blank(match))
        pos = match.end()
    out.append(text[pos:])
    return ''.join(out)


def reads_as_words(literal):
    text = re.sub(r'%\d|%n|\\[ntr]', ' ', literal)
    if not re.search(r'[A-Za-z]{2,}', text):
        return False  # formats, separators, single letters
    if re.fullmatch(r'[\w.:/\\-]*', text) and not re.match(r'&?[A-Z][a-z]', text):
        return False  # identifiers, paths, file names, options
    if re.fullmatch(r'(?:[A-Z]+[a-z0-9]+){2,}', text):
        return False  # a class or context name, CamelCase
    return bool(re.search(r'[A-Za-z]{2,}\s+\S', text) or re.match(r'\W*&?[A-Z][a-z]', text))


def enclosing_calls(code, offset):
    """The names of the calls whose parentheses hold `offset`, innermost first."""
    names, depth, i = [], 0, offset - 1
    while i >= 0:
        c = code[i]
        if c == ')':
            depth += 1
        elif c == '(':
            if depth == 0:
                match = re.search(r'([A-Za-z_]\w*)\s*$', code[:i])
                names.append(match.group(1) if match else '')
            else:
                depth -= 1
        elif c in ';{}' and depth == 0:
            break
        i -= 1
    return names


def check_literals(src, allowed_file):
    allowed = {}
    for line in pathlib.Path(allowed_file).read_text(encoding='utf-8').splitlines():
        if line.strip() and not line.startswith('#'):
            literal, _, reason = line.partition(' # ')
            allowed[literal.strip()] = reason
    found = []
    used = set()
    for path in sorted(pathlib.Path(src).rglob('*')):
        if path.suffix not in ('.cpp', '.h') or 'core' in path.relative_to(src).parts[:1]:
            continue
        code = without_comments(path.read_text(encoding='utf-8'))
        for match in LITERAL.finditer(code):
            literal = match.group(1)
            line_start = code.rfind('\n', 0, match.start()) + 1
            if code[line_start:match.start()].lstrip().startswith('#'):
                continue  # includes and other directives
            if not reads_as_words(literal):
                continue
            statement_start = max(code.rfind(c, 0, match.start()) for c in ';{}') + 1
            if LOG_STREAM.search(code[statement_start:match.start()]):
                continue  # qCWarning(category) << "..." is a log line
            calls = enclosing_calls(code, match.start())
            if any(name in TRANSLATING for name in calls) or any(name in NOT_SHOWN for name in calls):
                continue
            file_key = f'{path.relative_to(src)}:'
            if literal.strip() in allowed or file_key in allowed:
                used.add(literal.strip() if literal.strip() in allowed else file_key)
                continue
            line = code.count('\n', 0, match.start()) + 1
            found.append(f'{path}:{line}: "{literal}" is shown untranslated')
    for literal in sorted(set(allowed) - used):
        found.append(f'{allowed_file}: "{literal}" is allowed but no longer in the program')
    return found


def messages(ts_path):
    root = ET.parse(ts_path).getroot()
    for context in root.iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            yield name, message


def check_files(lupdate, src, ts_folder):
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts in sorted(pathlib.Path(ts_folder).glob('*.ts')):
            updated = pathlib.Path(scratch) / ts.name
            shutil.copy(ts, updated)
            subprocess.run([lupdate, '-silent', '-no-obsolete', '-locations', 'none', '-tr-function-alias',
                            'QT_TRANSLATE_NOOP+=SNAPWANE_TRANSLATE_NOOP', src, '-ts', str(updated)], check=True)
            before = {(c, m.findtext('source')) for c, m in messages(ts)}
            after = {(c, m.findtext('source')) for c, m in messages(updated)}
            for context, source in sorted(after - before):
                problems.append(f'{ts.name}: new text not in the file: {context}: "{source}" '
                                '(build the update_translations target)')
            for context, source in sorted(before - after):
                problems.append(f'{ts.name}: text no longer in the program: {context}: "{source}"')
            german = ts.name.endswith('_de.ts')
            for context, message in messages(ts):
                translation = message.find('translation')
                forms = [f.text for f in translation.findall('numerusform')]
                unfinished = translation.get('type') == 'unfinished'
                if message.get('numerus') == 'yes':
                    if unfinished or len(forms) != 2 or not all(forms):
                        problems.append(f'{ts.name}: plural forms missing: {context}: "{message.findtext("source")}"')
                elif german and (unfinished or not translation.text):
                    problems.append(f'{ts.name}: no translation: {context}: "{message.findtext("source")}"')
    return problems


def main(argv):
    if len(argv) == 4 and argv[1] == 'literals':
        problems = check_literals(argv[2], argv[3])
    elif len(argv) == 5 and argv[1] == 'files':
        problems = check_files(argv[2], argv[3], argv[4])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
