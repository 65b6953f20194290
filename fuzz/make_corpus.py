#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target into fuzz/corpus/<target>/.

The seeds are small files made here: templates with every tag form, every mix of line breaks,
byte order marks and declared encodings, settings files of every shape the settings reader
knows. Run it again after changing it; the files it writes are committed."""
import itertools
import os
import shutil

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")

# Every tag form of the scanner, one per line.
TAGS = [
    "[VarKit Title=My Auction]",          # plain text field with a default
    "[VarKit Name]",                      # prompt only
    "[VarKit = ]",                        # empty prompt and default
    "[VarKit]",                           # nothing after the keyword
    "[VarKit Link=a=b]",                  # only the first = splits
    "[VarKit!Headline=Big Sale]",         # title
    "[VarKit:Site=http://example.invalid/]",  # URL
    "[VarKit#Price=12.50]",               # variable
    "[VarKit+Part=include.htm]",          # include file
    "[VarKit- Shipping]",                 # visual divider
    "[VarKit~Fill in every box]",         # comment
    "[VarKit$ My Shop]",                  # window caption
    "[VarKit$Help page=http://example.invalid/help]",  # Help menu link
    "[VarKit$$install=templates]",        # designer command
    "[VarKit Size=Small|Medium||Large]",  # option list with a default
    "[VarKit&Picture=red.png|blue.png]",  # image chips
    "[VarKit%Colour=#FF0000|green|blue]", # colour chips
    "[VarKit^Theme=Red|Blue]",            # theme selector
    "[VarKit?Shade^=crimson|navy]",       # global the theme selects
    "[VarKit?x^Shade=red]",
    "[VarKit?total=5]",                   # global definition
    "[VarKit?total]",                     # global target
    "[VarKit?random]",                    # the random code
    "[VarKit?name ]", "[VarKit?a|b]", "[VarKit?a:b]", "[VarKit?a!b]", "[VarKit?a#b]",
    "[VarKit?a-b]", "[VarKit?a~b]", "[VarKit?a+b]", "[VarKit?a?b]", "[VarKit?a&b]",
    "[VarKit?a%b]", "[VarKit?a;b]", "[VarKit?a^=b]",
    "[VarKit(Price+2*3-1/4)]",            # arithmetic
    "[VarKit(Price#20)]",                 # colour shade
    "[vArKiT lower=case]",
    "<VarKit Extras>", "</VarKit>",
    "<VARKIT Gift wrap=TRUE>", "</varkit>",
    "<VarKit Warranty=false>", "</VarKit>",
]

EDGE_TEMPLATES = {
    "unclosed_inline.tpl": "<p>[VarKit Open=never closed",
    "unclosed_wrapper.tpl": "<VarKit Section never closed",
    "inline_in_wrapper.tpl": "<VarKit a [VarKit b=1] c>x</VarKit>",
    "split_keyword.tpl": "[Var</VarKit>Kit x]",
    "brackets_outside.tpl": "a ] b > c </p> [Var Kit] <Var Kit>",
    "nested_wrappers.tpl": "<VarKit A=true><VarKit B=false>in</VarKit></VarKit>",
    "empty_names.tpl": "<VarKit>\t</VarKit><VarKit =true></VarKit>[VarKit?]",
    "many_bars.tpl": "[VarKit Bars=|||][VarKit Lead=||One|Two][VarKit Trail=One|Two|]",
    "math_globals.tpl": "[VarKit?price=1,299.00][VarKit?tax=$20][VarKit(price+tax)][VarKit(price*price/0)]",
    "nul.tpl": "a\0[VarKit x=\0]\0<VarKit \0>\0</VarKit>",
}

LINE_BREAKS = {"lf": "\n", "cr": "\r", "crlf": "\r\n", "crcrlf": "\r\r\n", "lfcr": "\n\r"}
BOMS = {"nobom": b"", "utf8bom": b"\xef\xbb\xbf", "utf16le": b"\xff\xfe", "utf16be": b"\xfe\xff"}
DECLARATIONS = {
    "none": "",
    "utf8": '<meta charset="utf-8">',
    "cp1252": "<meta charset=iso-8859-1>",
    "sjis": '<meta http-equiv="Content-Type" content="text/html; charset=Shift_JIS">',
    "euckr": "<meta charset='euc-kr'>",
    "big5": '<!-- <meta charset="utf-8"> --><meta charset="big5">',
    "cp1251": '<META HTTP-EQUIV=Content-Type CONTENT="text/html;charset=windows-1251">',
    "utf16": '<meta charset="utf-16">',
}
# Text each declaration can hold, so that the declaration is believed.
CONTENT = {
    "none": "Caf\u00e9 \u20ac5",
    "utf8": "Caf\u00e9 \u2013 \u20ac5 \u4e2d \U0001F600",
    "cp1252": "Caf\u00e9 \u201cquoted\u201d",
    "sjis": "\u65e5\u672c\u8a9e",
    "euckr": "\ud55c\uad6d\uc5b4",
    "big5": "\u4e2d\u6587\u8a31",
    "cp1251": "\u0420\u0443\u0441\u0441\u043a\u0438\u0439",
    "utf16": "Caf\u00e9",
}
CODECS = {"none": "cp1252", "utf8": "utf-8", "cp1252": "cp1252", "sjis": "shift_jis", "euckr": "euc_kr",
          "big5": "big5", "cp1251": "cp1251", "utf16": "utf-8"}


def write(target, name, data):
    folder = os.path.join(ROOT, target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("cp1252", "surrogatepass") if all(ord(c) < 256 for c in data) else data.encode("utf-8")
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def encoded(text, bom, codec):
    if bom == "utf16le":
        return BOMS[bom] + text.encode("utf-16-le")
    if bom == "utf16be":
        return BOMS[bom] + text.encode("utf-16-be")
    return BOMS[bom] + text.encode("utf-8" if bom == "utf8bom" else codec)


def templates():
    """Name and bytes of every template seed."""
    seeds = {}
    for name, breaks in LINE_BREAKS.items():
        body = breaks.join("<p>%s</p>" % tag for tag in TAGS) + breaks
        seeds["all_tags_%s.tpl" % name] = body.encode("cp1252")
    for i, tag in enumerate(TAGS):
        seeds["tag_%02d.tpl" % i] = ("<b>%s</b>\r\n" % tag).encode("cp1252")
    for name, text in EDGE_TEMPLATES.items():
        seeds[name] = text.encode("cp1252")
    for declared in DECLARATIONS:
        text = DECLARATIONS[declared] + "\r\n<p>" + CONTENT[declared] + " [VarKit Name=" + CONTENT[declared] + "]</p>\r\n"
        seeds["declared_%s.tpl" % declared] = encoded(text, "nobom", CODECS[declared])
    for bom in ("utf8bom", "utf16le", "utf16be"):
        seeds["bom_%s.tpl" % bom] = encoded("[VarKit Name=Caf\u00e9]\r\n<p>\u20ac</p>", bom, "utf-8")
    seeds["double_bom.tpl"] = b"\xef\xbb\xbf\xef\xbb\xbft[VarKit a=b]"
    seeds["cp1252_like_utf8.tpl"] = b"CAF\xc9\xbb [VarKit x=\xc9\xbb]"
    seeds["paragraph_marks.tpl"] = "a\u2029b\ufdd0c\ufdd1[VarKit p=\u2029]\u2028".encode("utf-8")
    return seeds


def codec_seeds():
    seeds = {}
    for (bom, declared, breaks) in itertools.product(BOMS, DECLARATIONS, LINE_BREAKS):
        if bom != "nobom" and breaks not in ("crlf", "crcrlf"):
            continue
        if bom == "nobom" and declared in ("utf16",) and breaks != "lf":
            continue
        lines = [DECLARATIONS[declared], CONTENT[declared], "end"]
        text = LINE_BREAKS[breaks].join(lines) + LINE_BREAKS[breaks]
        seeds["%s_%s_%s.txt" % (bom, declared, breaks)] = encoded(text, bom, CODECS[declared])
    seeds["mixed_breaks.txt"] = b"a\r\nb\nc\rd\r\r\ne\n\r\r\n"
    seeds["double_bom.txt"] = b"\xef\xbb\xbf\xef\xbb\xbft"
    seeds["bom_only.txt"] = b"\xef\xbb\xbf"
    seeds["utf16_odd.txt"] = b"\xff\xfea\x00b"
    seeds["invalid_utf8_declared.txt"] = b'<meta charset="utf-8">\xc3\x28 \xff'
    seeds["all_bytes.txt"] = bytes(range(256))
    seeds["c1_controls.txt"] = bytes(range(0x80, 0xa0))
    seeds["lone_surrogate_utf8.txt"] = b"\xed\xa0\x80x\xf0\x9f\x98\x80"
    return seeds


SETTINGS_VALUES = ["templates\\Start_Here.TPL", "backgrounds\\splash.png", "False", "Shop rules",
                   "http://example.invalid/rules", " spaced ", '"quoted"', "'single'", "Caf\u00e9 \u20ac", "\u4e2d"]


def settings_seeds():
    seeds = {}
    shipped = open(os.path.join(os.path.dirname(ROOT), "..", "resources", "varkit.ini"), "rb").read()
    files = {
        "shipped": shipped,
        "empty": b"",
        "other_section_follows": b"[Custom]\r\nHelpMenu1=x\r\n[Other]\r\nkey=1\r\n",
        "no_blank_before_section": b"[Custom]\r\nHelpMenu1=Rules\r\nHelpLink1=http://a.invalid/\r\n[Window]\r\nTop=5\r\n",
        "cp1252": "[Custom]\r\nSplashLogo=\u00c3\u00a9t\u00c3\u00a9 \u00e9\r\n".encode("cp1252"),
        "cp1252_as_utf8": "[Custom]\r\nSplashLogo=\u00c3\u00a9t\u00c3\u00a9\r\n".encode("cp1252"),
        "utf8": "[Custom]\r\nHelpMenu1=\u4e2d\u6587\r\n".encode("utf-8"),
        "utf8_bom": b"\xef\xbb\xbf[Custom]\r\nPreventMarkup=True\r\n",
        "lf_only": b"[Custom]\nHelpMenu1=a\nHelpLink1=b\n\n[Next]\nx=y\n",
        "cr_only": b"[Custom]\rHelpMenu1=a\rHelpLink1=b\r",
        "quoted": b"[Custom]\r\nHelpMenu1=\" a \"\r\nHelpLink1='b'\r\nSplashLogo=\"\r\n",
        "duplicates": b"[custom]\r\nhelpmenu1=first\r\nHelpMenu1=second\r\n[CUSTOM]\r\nHelpLink1=later\r\n",
        "comments": b"; comment\r\nPreventMarkup=True\r\n[Custom] trailing\r\n;HelpMenu1=no\r\n  HelpMenu1 = yes \r\n[broken\r\n",
        "nul": b"[Custom]\r\nHelpMenu1=a\0b\r\n",
        "blank_lines": b"[Custom]\r\nHelpMenu1=\r\n\r\n\r\nHelpLink1=\r\n\r\n[Other]\r\n",
        "no_final_break": b"[Custom]\r\nHelpMenu1=end",
        "declared": b'<meta charset="shift_jis">\r\n[Custom]\r\nHelpMenu1=\x93\xfa\r\n',
    }
    for i, (name, data) in enumerate(files.items()):
        count = (i * 7) % 12
        values = [SETTINGS_VALUES[(i + k) % len(SETTINGS_VALUES)] for k in range(count)]
        seeds["%s.ini" % name] = data + b"".join(b"\0" + v.encode("utf-8") for v in values)
    seeds["all_keys.ini"] = shipped + b"".join(b"\0v%d" % k for k in range(53))
    # The only encoding declaration is in the value the first write replaces.
    seeds["declared_in_value.ini"] = (b"[Custom]\r\nStartupTemplate=<meta charset=shift_jis>\r\n\0x\0"
                                      + "Caf\u00e9 \u20ac".encode("utf-8"))
    return seeds


MAKEHTML_VALUES = ["Medium", "1,299.00", "$20", "", "Caf\u00e9 \u20ac", "include.htm", "Blue", "<b>bold</b>",
                   "[VarKit x=y]", "12.5", "-3", "0", "red", "\r\n", "a\rb\nc"]


def makehtml_seeds(template_seeds):
    seeds = {}
    for i, (name, data) in enumerate(sorted(template_seeds.items())):
        if b"\0" in data or name.startswith("tag_"):
            continue
        count = 3 + (i * 5) % 20
        values = [MAKEHTML_VALUES[(i + k) % len(MAKEHTML_VALUES)] for k in range(count)]
        seeds[name] = data + b"".join(b"\0" + v.encode("utf-8") for v in values)
    return seeds


def main():
    shutil.rmtree(ROOT, ignore_errors=True)
    template_seeds = templates()
    for target in ("scanner", "import"):
        for name, data in template_seeds.items():
            write(target, name, data)
    for name, data in makehtml_seeds(template_seeds).items():
        write("makehtml", name, data)
    for name, data in settings_seeds().items():
        write("settings", name, data)
    for name, data in codec_seeds().items():
        write("codec", name, data)
    for name, data in template_seeds.items():
        if name.startswith(("declared_", "bom_", "all_tags_")):
            write("codec", name, data)


if __name__ == "__main__":
    main()
