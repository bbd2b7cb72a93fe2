#!/usr/bin/env python3
"""Refreshes i18n/delvora_en.ts from the sources and keeps every translation whose text moved.

lupdate drops a translation when its text moves to another context (a class renamed, a text
moved to another class). This runs lupdate over src/ and then fills each unfinished entry from
the file as it was before: from the earlier context that shares the most texts with the new one,
else from the one translation that text had anywhere. What stays unfinished is listed: those
texts are new and need an English text.

    tools/carry-translations.py [--from OTHER.ts ...] [LUPDATE]
                                             (default: /usr/lib/qt6/bin/lupdate)

--from adds the translations of another copy of the file (another branch's, say) to what is
known, so that a merge keeps the texts both sides translated.
"""
import html
import os
import re
import subprocess
import sys

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ts = os.path.join(root, 'i18n', 'delvora_en.ts')
args = sys.argv[1:]
others = []
while args[:1] == ['--from']:
    others.append(args[1])
    args = args[2:]
lupdate = args[0] if args else '/usr/lib/qt6/bin/lupdate'

CONTEXT = re.compile(r'<context>\s*<name>(.*?)</name>(.*?)</context>', re.S)
MESSAGE = re.compile(r'<message([^>]*)>(.*?)</message>', re.S)


def field(body, tag):
    m = re.search(r'<%s>(.*?)</%s>' % (tag, tag), body, re.S)
    return m.group(1) if m else ''


def translation_of(body):
    m = re.search(r'<translation( type="[^"]*")?>(.*?)</translation>', body, re.S)
    if not m or m.group(1):
        return None
    return m.group(2)


def read(text):
    contexts = {}
    for name, body in CONTEXT.findall(text):
        messages = {}
        for attrs, mbody in MESSAGE.findall(body):
            messages[(field(mbody, 'source'), field(mbody, 'comment'))] = translation_of(mbody)
        contexts[name] = messages
    return contexts


with open(ts, encoding='utf-8') as f:
    before = read(f.read())
for other in others:
    with open(other, encoding='utf-8') as f:
        for name, messages in read(f.read()).items():
            merged = before.setdefault(name, {})
            for k, t in messages.items():
                if merged.get(k) is None:
                    merged[k] = t
anywhere = {}
for messages in before.values():
    for k, t in messages.items():
        if t is not None:
            anywhere.setdefault(k, set()).add(t)

subprocess.run([lupdate, '-no-obsolete', '-locations', 'none', os.path.join(root, 'src'), '-ts', ts],
               check=True, stdout=subprocess.DEVNULL)
with open(ts, encoding='utf-8') as f:
    text = f.read()
after = read(text)
left = []


def fill_context(m):
    name, body = m.group(1), m.group(2)
    keys = set(after[name])
    # The earlier context this one most likely was.
    best = max(before.items(), key=lambda kv: len(keys & set(kv[1])), default=(None, {}))[1]

    def fill_message(mm):
        attrs, mbody = mm.group(1), mm.group(2)
        if '<translation type="unfinished"' not in mbody:
            return mm.group(0)
        k = (field(mbody, 'source'), field(mbody, 'comment'))
        t = best.get(k)
        if t is None and len(anywhere.get(k, ())) == 1:
            t = next(iter(anywhere[k]))
        if t is None:
            left.append(html.unescape(k[0]))
            return mm.group(0)
        mbody = re.sub(r'<translation type="unfinished"(?:/>|>.*?</translation>)',
                       lambda _: '<translation>' + t + '</translation>', mbody, flags=re.S)
        return '<message%s>%s</message>' % (attrs, mbody)

    return m.group(0).replace(body, MESSAGE.sub(fill_message, body))


text = CONTEXT.sub(fill_context, text)
with open(ts, 'w', encoding='utf-8') as f:
    f.write(text)
for source in left:
    print('untranslated:', source)
