#!/usr/bin/env bash
# Fails when a translation lacks a text the game shows, or still holds one it
# no longer shows: the texts are read from the sources afresh into copies of
# the .ts files, which are left as they are. Fails too when a translation
# names a term of the glossary beside the .ts files with another word.
#   check-translations.sh LUPDATE TRANSLATIONS_DIR SOURCE...
set -euo pipefail
lupdate=$1
translations=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$translations"/*.ts "$work"/
"$lupdate" -silent -locations none "$@" -ts "$work"/*.ts
status=0
for ts in "$work"/*.ts; do
  if grep -E 'type="(unfinished|vanished|obsolete)"' -B3 "$ts"; then
    echo "$(basename "$ts"): the texts above are not translated, or no longer shown"
    status=1
  fi
done
echo "$(ls "$work"/*.ts | wc -l) translations checked"

# One word for one thing, as glossary.tsv beside the .ts files gives it.
python3 - "$translations" <<'EOF' || status=1
import pathlib, re, sys
import xml.etree.ElementTree as ET

folder = pathlib.Path(sys.argv[1])
rows = [line.split("\t") for line in (folder / "glossary.tsv").read_text(encoding="utf-8").splitlines()
        if line and not line.startswith("#")]
languages = rows[0][1:]
faults = []
found = sorted(ts.stem.removeprefix("quorvel_") for ts in folder.glob("quorvel_*.ts"))
if sorted(languages) != found:
    faults.append(f"glossary.tsv names the languages {languages}, the translations are {found}")
for language in sorted(set(languages) & set(found)):
    root = ET.parse(folder / f"quorvel_{language}.ts").getroot()
    messages = [(m.findtext("source"), m.find("translation")) for m in root.iter("message")]
    for term, *words in rows[1:]:
        word = words[languages.index(language)]
        holding = [(source, translation) for source, translation in messages
                   if re.search(r"\b" + re.escape(term), source, re.IGNORECASE)]
        if len(holding) < 2:
            faults.append(f'glossary.tsv: "{term}" is in fewer than two texts of the game')
        for source, translation in holding:
            texts = [form.text or "" for form in translation.iter("numerusform")] or [translation.text or ""]
            faults += [f'quorvel_{language}.ts: "{source}" is "{text}", without the word for "{term}": {word}'
                       for text in texts if not any(form in text.casefold() for form in word.casefold().split("|"))]
print("\n".join(faults) if faults else f"{len(rows) - 1} glossary terms hold in every translation")
sys.exit(1 if faults else 0)
EOF
exit $status
