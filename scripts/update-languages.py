#!/usr/bin/env python3
"""Regenerates the language files shipped in data/program/land/ from the program.

    python3 scripts/update-languages.py [path/to/kugelmeister-cli]

1. The master file "powerball.txt" is written by the program's own writer
   (the hidden menu item "Datei speichern") from the windows as designed.
2. The German language file and message file are the program's built-in
   texts.
3. Every other language file is rebuilt along the master file from its
   glossary data/translations/<code>.tsv: one line per text, the German text,
   a tab, the translation (a tab inside a text is written \\t). A line
   "@Form.Component<TAB>caption<TAB>hint" (hint optional) fixes the texts of
   one component where the German text alone does not say enough. The
   message file takes the lines of the glossary's section "[messages]" in
   order, one message per line, then the program's own added texts (its
   lines after the 62nd), each looked up by its German text like a caption;
   their places %1..%9 must all stay.
4. Texts a glossary lacks keep their German text and are reported, so a new
   control shows up here as a list of texts to translate.

Run it after adding or changing any caption, hint or message; the unit tests
check that the shipped master file matches the windows.
"""
import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
LAND = ROOT / "data" / "program" / "land"
GLOSSARIES = ROOT / "data" / "translations"
# Language file per glossary code, as the program names them.
FILES = {"de": "Power_de.txt", "en": "Power_en.txt", "fr": "Power_fr.txt",
         "es": "Power_es.txt", "it": "Power_it.txt", "ru": "Power_ru.txt",
         "pt": "Power_pt.txt", "cn": "Power_cn.txt", "in": "Power_in.txt"}
BOM = "\ufeff"
# Components the program never translates (their tag keeps them out) and
# token names that stay as they are.
UNTRANSLATED = {"SpracheLanguage1", "Deutsch1", "Englich1", "Spanisch1", "Franz1", "Italenisch1",
                "Russisch1"}


def decode(data: bytes) -> list[str]:
    if data.startswith(b"\xff\xfe"):
        text = data[2:].decode("utf-16-le")
    elif data.startswith(b"\xfe\xff"):
        text = data[2:].decode("utf-16-be")
    elif data.startswith(b"\xef\xbb\xbf"):
        text = data[3:].decode("utf-8")
    else:
        text = data.decode("cp1252", errors="replace")
    return text.replace("\r\n", "\n").replace("\r", "\n").split("\n")[:-1] if text else []


def write_utf8(path: Path, lines: list[str]) -> None:
    path.write_bytes((BOM + "".join(line + "\r\n" for line in lines)).encode("utf-8"))


def run_program(cli: str, script: str) -> str:
    with tempfile.TemporaryDirectory() as home:
        script_file = Path(home) / "run.kms"
        script_file.write_text(script, encoding="utf-8")
        out = subprocess.run(
            [cli, "--home", home, "--settings", str(Path(home) / "settings.ini"),
             "--tool-settings", str(Path(home) / "tool.ini"), "--today", "2018-04-20",
             "--clock", "1", "script", str(script_file)],
            check=True, capture_output=True, text=True, env={**os.environ, "LC_ALL": "C"})
        return out.stdout


def program_texts(cli: str):
    """The master file's lines, the template's lines and the built-in messages."""
    with tempfile.TemporaryDirectory() as work:
        master = Path(work) / "powerball.txt"
        count_out = run_program(cli, "print Form1.Memo2.Lines.Count\nprint Form1.AddedTextCount\n")
        counts = dict(line.split("=", 1) for line in count_out.splitlines() if "=" in line)
        designed = int(counts["Form1.Memo2.Lines.Count"])
        own = int(counts["Form1.AddedTextCount"])
        script = f"answer file {master}\ncall Form1.Dateispeichern1Click\n"
        script += "".join(f"print Form1.Memo2.Lines[{k}]\n" for k in range(designed))
        script += "".join(f"print Form1.AddedTexts[{k}]\n" for k in range(own))
        out = run_program(cli, script)
        lines = out.splitlines()
        messages = [line.split("=", 1)[1] for line in lines if line.startswith("Form1.Memo2.Lines[")]
        added = [line.split("=", 1)[1] for line in lines if line.startswith("Form1.AddedTexts[")]
        if len(messages) != designed or len(added) != own:
            raise SystemExit(f"the program printed {len(messages)} of {designed} messages and "
                             f"{len(added)} of {own} added texts")
        return (master.read_bytes(), decode(Path(str(master) + ".trans").read_bytes()), messages,
                added)


def read_glossary(path: Path):
    texts, components, messages = {}, {}, []
    in_messages = False
    for raw in path.read_text(encoding="utf-8").splitlines():
        if raw == "[messages]":
            in_messages = True
            continue
        if in_messages:
            messages.append(raw)
            continue
        if not raw.strip() or raw.startswith("#"):
            continue
        # A tab inside a text (a table head) is written as the two characters \t.
        parts = [part.replace("\\t", "\t") for part in raw.split("\t")]
        if parts[0].startswith("@"):
            components[parts[0][1:]] = (parts[1], parts[2] if len(parts) > 2 else None)
        elif len(parts) == 2:
            texts[parts[0]] = parts[1]
        else:
            print(f"{path.name}: cannot read line: {raw!r}", file=sys.stderr)
    return texts, components, messages


def places(text: str) -> list[str]:
    """The %1..%9 places a text holds, in any order."""
    return sorted(re.findall(r"%[1-9]", text))


def main() -> int:
    cli = sys.argv[1] if len(sys.argv) > 1 else str(ROOT / "build" / "bin" / "kugelmeister-cli")
    master_bytes, template, german_messages, german_added = program_texts(cli)
    master = decode(master_bytes)
    entries = [(master[5 * i], master[5 * i + 1], template[2 * i], template[2 * i + 1])
               for i in range(len(master) // 5)]
    LAND.mkdir(parents=True, exist_ok=True)
    (LAND / "powerball.txt").write_bytes(master_bytes)
    write_utf8(LAND / FILES["de"], template)
    write_utf8(LAND / (FILES["de"] + ".meld"), german_messages + german_added)
    print(f"master file: {len(entries)} entries; {len(german_messages)} messages, "
          f"{len(german_added)} added texts")

    status = 0
    for code, file in FILES.items():
        if code == "de":
            continue
        glossary = GLOSSARIES / f"{code}.tsv"
        if not glossary.exists():
            print(f"{code}: no glossary {glossary}", file=sys.stderr)
            status = 1
            continue
        texts, components, messages = read_glossary(glossary)
        lines, lacking = [], []

        def translate(german: str) -> str:
            if german in texts:
                return texts[german]
            # Numbers, marks, separators and token names (ZAHL1) read the
            # same in every language.
            if not any(c.isalpha() for c in german) or (
                    german.isupper() and any(c.isdigit() for c in german)):
                return german
            lacking.append(german)
            return german

        for owner, name, caption, hint in entries:
            fixed = components.get(f"{owner}.{name}")
            if name in UNTRANSLATED:
                lines += [caption, hint]
            elif fixed:
                lines += [fixed[0], fixed[1] if fixed[1] is not None else translate(hint)]
            else:
                lines += [translate(caption), translate(hint)]
        write_utf8(LAND / file, lines)
        if len(messages) < len(german_messages):
            print(f"{code}: {len(german_messages) - len(messages)} messages lack a translation "
                  f"(from line {len(messages)} on)")
            messages = messages + german_messages[len(messages):]
            status = 1
        added = []
        for german in german_added:
            translated = translate(german)
            if places(translated) != places(german):
                print(f"{code}: the places of {german!r} differ in {translated!r}")
                status = 1
            added.append(translated)
        write_utf8(LAND / (file + ".meld"), messages[:len(german_messages)] + added)
        for german in dict.fromkeys(lacking):
            print(f"{code}: lacks {german!r}")
        if lacking:
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
