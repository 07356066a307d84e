#!/usr/bin/python3
"""Checks the user's manual as a reader without the program would meet it: the page is Spanish,
its headings go down one level at a time, every picture is there beside it with a text for those
who cannot see it, and every link leads somewhere inside the page or beside it.

Usage: check_manual.py PAGE.html
"""
import os
import sys
from html.parser import HTMLParser
from urllib.parse import unquote, urlsplit


class Manual(HTMLParser):
    def __init__(self):
        super().__init__()
        self.lang = None
        self.ids = []
        self.links = []
        self.pictures = []
        self.headings = []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "html":
            self.lang = attrs.get("lang")
        if "id" in attrs:
            self.ids.append(attrs["id"])
        if tag == "a" and "href" in attrs:
            self.links.append(attrs["href"])
        if tag == "img":
            self.pictures.append(attrs)
        if len(tag) == 2 and tag[0] == "h" and tag[1].isdigit():
            self.headings.append(int(tag[1]))


def problems(path):
    manual = Manual()
    with open(path, encoding="utf-8") as page:
        manual.feed(page.read())
    folder = os.path.dirname(path)

    def beside(address):
        return os.path.isfile(os.path.join(folder, unquote(urlsplit(address).path)))

    if manual.lang != "es":
        yield f"the page's language is {manual.lang!r}, not 'es'"
    for name in sorted({i for i in manual.ids if manual.ids.count(i) > 1}):
        yield f"the id {name!r} is given more than once"
    if manual.headings[:1] != [1] or manual.headings.count(1) != 1:
        yield "the page does not have exactly one h1, first"
    for above, below in zip(manual.headings, manual.headings[1:]):
        if below > above + 1:
            yield f"an h{below} follows an h{above}"
    for address in manual.links:
        if address.startswith("#"):
            if address[1:] not in manual.ids:
                yield f"the link {address} leads to no part of the page"
        elif urlsplit(address).scheme:
            yield f"the link {address} leaves the page, which must work without a network"
        elif not beside(address):
            yield f"the link {address} leads to a missing file"
    if not manual.pictures:
        yield "the page shows no picture"
    for picture in manual.pictures:
        source = picture.get("src", "")
        if not source or urlsplit(source).scheme or not beside(source):
            yield f"the picture {source!r} is not beside the page"
        if not (picture.get("alt") or "").strip():
            yield f"the picture {source!r} has no alternative text"
        if not picture.get("width") or not picture.get("height"):
            yield f"the picture {source!r} has no size, so the page jumps while it loads"


def main():
    found = list(problems(sys.argv[1]))
    for problem in found:
        print(f"check_manual: {problem}", file=sys.stderr)
    if not found:
        print(f"check_manual: {sys.argv[1]}: language, headings, links and pictures are sound")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
