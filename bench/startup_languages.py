"""Start to first paint of the program in English and in each language with a catalogue.

Runs the program RUNS times in each language in turn, the language given by LANG as a desktop
gives it, and prints each language's median against English's. Uses bench/startup.py's run.
    python3 bench/startup_languages.py offscreen RUNS build/release/src/aurelion
"""

import os
import statistics
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from startup import one_run  # noqa: E402

LANGS = {"en": "C.UTF-8", "de": "de_DE.UTF-8", "fr": "fr_FR.UTF-8", "es": "es_ES.UTF-8",
         "it": "it_IT.UTF-8", "pt_BR": "pt_BR.UTF-8"}


def main():
    platform, runs, program = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    for name in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
        os.environ.pop(name, None)
    times = {code: [] for code in LANGS}
    for code, lang in LANGS.items():  # warm the caches once for each
        os.environ["LANG"] = lang
        one_run(program, platform)
    for _ in range(runs):
        for code, lang in LANGS.items():
            os.environ["LANG"] = lang
            times[code].append(one_run(program, platform)[0])
    english = statistics.median(times["en"])
    print(f"platform {platform}, {runs} runs each, alternating, medians:")
    for code, t in times.items():
        ratio = statistics.median(t) / english
        print(f"  {code:6} first paint {statistics.median(t):6.1f} ms   ratio to English "
              f"{ratio:.3f} ({'met' if ratio <= 1.05 else 'missed'} <= 1.05)")


if __name__ == "__main__":
    main()
