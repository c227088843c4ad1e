#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes velmora.html: the page template with Form1's controls, taken from
the window definition (ui/form1.ui) so that captions, headings and positions
are written once, its style and script, the WebAssembly glue and the
WebAssembly itself, all inline. The Content-Security-Policy allows exactly
these inline scripts and style, by hash, and nothing from anywhere.

    make_page.py TEMPLATE FORM_UI ACTIONS STYLE PAGE_SCRIPT GLUE WASM GPL OUTPUT

The window's actions (resources/actions.json) give the page its keys and the
figure's buttons, as they give the desktop program its own.

The page is passed on as one file, so it carries the GPL's full text and the
notices of what the WebAssembly contains besides Velmora.
"""
import base64
import hashlib
import html
import json
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

PIXELS_PER_REM = 16


def rem(pixels):
    return "%grem" % (int(pixels) / PIXELS_PER_REM)


def controls(form_ui):
    """The controls' elements, in the window definition's (tab) order, and
    the style rules that place them."""
    form = ElementTree.parse(form_ui).getroot().find("widget")
    elements, rules = [], []
    for widget in form.findall("widget"):
        name, kind = widget.get("name"), widget.get("class")
        props = {p.get("name"): p for p in widget.findall("property")}
        rect = props["geometry"].find("rect")
        left, top, width, height = (rect.find(k).text for k in ("x", "y", "width", "height"))
        rules.append("#%s { left: %s; top: %s; width: %s; height: %s; }"
                     % (name, rem(left), rem(top), rem(width), rem(height)))
        text = props["text"].find("string").text or "" if "text" in props else ""
        text = html.escape(text)
        if kind == "QPushButton":
            # Enabled once the WebAssembly has started.
            elements.append('<button id="%s" type="button" disabled>%s</button>' % (name, text))
        elif kind == "QLineEdit":
            elements.append('<input id="%s" type="text" autocomplete="off" spellcheck="false">' % name)
        elif "buddy" in props:
            elements.append('<label id="%s" for="%s">%s</label>'
                            % (name, props["buddy"].find("cstring").text, text))
        elif "frameShape" in props:
            # The result box: selectable, described for screen readers, and
            # focused by F8 (the announcer, not the box, says a new result).
            elements.append('<div id="%s" tabindex="-1" aria-describedby="ResultDescription">%s</div>'
                            % (name, text))
            # What a copy says, for a moment, just below the result box and
            # as wide: over no control.
            rules.append("#CopyNote { left: %s; top: %s; width: %s; }"
                         % (rem(left), rem(int(top) + int(height) + 4), rem(width)))
        else:
            level = 1 if not any("heading" in e for e in elements) else 2
            elements.append('<h%d id="%s" class="heading">%s</h%d>' % (level, name, text, level))
    return "\n".join(elements), "\n".join(rules)


def page_actions(actions_file):
    """What the page's script needs of each action, as JSON, and the figure's
    buttons in the places the table gives them. A button's id is its
    action's name with a capital, "CopyFigure"."""
    with open(actions_file, encoding="utf-8") as f:
        actions = json.load(f)["actions"]
    buttons = sorted((a for a in actions if a["button"]), key=lambda a: a["button"])
    markup = "\n".join('<button id="%s" type="button"%s>%s</button>'
                        % (button_id(a), " disabled" if a["needs"] == "result" else "",
                           html.escape(a["label"].replace("&", "")))
                        for a in buttons)
    script = [{"name": a["name"], "label": a["label"].replace("&", ""),
               "pageKey": a["pageKey"], "needs": a["needs"],
               "confirmation": a["confirmation"], "button": button_id(a) if a["button"] else ""}
              for a in actions]
    return json.dumps(script, ensure_ascii=False, separators=(",", ":")), markup


def button_id(action):
    return action["name"][0].upper() + action["name"][1:]


def notices():
    """The notices of the code compiled into the WebAssembly with Velmora,
    from Debian's own files."""
    def read(path):
        with open(path, encoding="utf-8") as f:
            return f.read().strip()

    # Emscripten's copyright: its header (the name), its own files (the glue
    # in this page), Expat.
    paragraphs = read("/usr/share/doc/emscripten/copyright").split("\n\n")
    emscripten = paragraphs[:1] + \
        [p for p in paragraphs if p.startswith("Files: *\n")][:1] + \
        [p for p in paragraphs if p.startswith("License: Expat\n")][:1]

    def text(part):
        return "<pre>" + html.escape(part) + "</pre>"

    def debian_copyright(part):
        # Debian's machine-readable form; the page shows it as the desktop's
        # About box does, as readable text (the raw file without script).
        return '<pre class="Dep5">' + html.escape(part) + "</pre>"

    return "\n".join([
        text("velmora.html enthält neben Velmora selbst (GPL-3.0-or-later) Teile dieser Projekte, "
             "jeweils unter der genannten Lizenz.\nvelmora.html contains, besides Velmora itself, "
             "parts of these projects, each under the licence named.\n\n"
             "=== musl libc (MIT), from emscripten " + "=" * 30 + "\n\n" +
             read("/usr/share/emscripten/system/lib/libc/musl/COPYRIGHT") + "\n\n" +
             "=== Emscripten's runtime (MIT OR NCSA) " + "=" * 30),
        debian_copyright("\n\n".join(emscripten)),
        text("=== fast_float (Apache-2.0 OR MIT) " + "=" * 30),
        debian_copyright(read("/usr/share/doc/libfast-float-dev/copyright")),
        text("=== LLVM's libc++, libc++abi and compiler-rt (Apache-2.0 WITH LLVM-exception) ===\n"
             "Compiled into the WebAssembly; the LLVM exception asks no notice for code in "
             "compiled form."),
    ])


def source_hash(text):
    return "'sha256-%s'" % base64.b64encode(hashlib.sha256(text.encode()).digest()).decode()


def compact(source, comment):
    """The source without its indentation, blank lines and whole-line
    comments: what the browser needs of it, in fewer bytes. page.css keeps no
    text that spans lines."""
    lines = (line.strip() for line in source.splitlines())
    return "\n".join(line for line in lines if line and not line.startswith(comment))


def minified(script):
    """The script as Debian's terser shortens it: its own names and its
    layout, never a global name that the other scripts or the WebAssembly
    look up."""
    environment = dict(os.environ, NODE_PATH="/usr/share/nodejs")
    return subprocess.run(["terser", "--compress", "--mangle"], input=script, text=True,
                          capture_output=True, check=True, env=environment).stdout.strip()


def packed(wasm_file):
    """The WebAssembly gzipped by zopfli, which packs a few per cent tighter
    than gzip and still unpacks as any gzip does."""
    return subprocess.run(["zopfli", "--gzip", "-c", wasm_file], capture_output=True,
                          check=True).stdout


def main(template, form_ui, actions_file, style_file, page_script_file, glue_file, wasm_file,
         gpl_file, output):
    elements, rules = controls(form_ui)
    actions, buttons = page_actions(actions_file)
    with open(style_file, encoding="utf-8") as f:
        style = compact(re.sub(r"/\*.*?\*/", "", f.read(), flags=re.S), "/*") + "\n" + rules + "\n"
    with open(page_script_file, encoding="utf-8") as f:
        page_script = minified(f.read().replace("/*@ACTIONS@*/[]", actions))
    with open(glue_file, encoding="utf-8") as f:
        glue = minified(f.read())
    # The WebAssembly goes in gzipped, which halves what it adds to the page
    # (base64 text does not compress); the browser unpacks it as it starts.
    wasm = base64.b64encode(packed(wasm_file)).decode()
    wasm_script = ('Module.instantiateWasm = (imports, receive) => {\n'
                   '    const packed = Uint8Array.from(atob("%s"), (c) => c.charCodeAt(0));\n'
                   '    new Response(new Blob([packed]).stream().pipeThrough(new DecompressionStream("gzip")))\n'
                   '        .arrayBuffer()\n'
                   '        .then((bytes) => WebAssembly.instantiate(bytes, imports))\n'
                   '        .then((made) => receive(made.instance));\n'
                   '    return {};\n'
                   '};\n' % wasm)
    scripts = [page_script, wasm_script, glue]
    policy = "; ".join([
        "default-src 'none'",
        "script-src " + " ".join(source_hash("\n" + s + "\n") for s in scripts)
        + " 'wasm-unsafe-eval'",
        "style-src " + source_hash("\n" + style + "\n"),
        # The figure's copy is drawn from its SVG, through a blob: URL.
        "img-src blob:",
        "base-uri 'none'",
    ])
    with open(template, encoding="utf-8") as f:
        page = f.read()
    # The scripts go in last: nothing in them is taken for a placeholder.
    with open(gpl_file, encoding="utf-8") as f:
        gpl = f.read().strip()
    page = page.replace("@CSP@", policy).replace("@CONTROLS@", elements)
    page = page.replace("@FIGURE_BUTTONS@", buttons)
    page = page.replace("\n@NOTICES@\n", "\n" + notices() + "\n")
    page = page.replace("\n@GPL@\n", "\n" + html.escape(gpl) + "\n")
    page = page.replace("\n@STYLE@\n", "\n" + style + "\n")
    page = page.replace("\n@PAGE_SCRIPT@\n", "\n" + page_script + "\n")
    page = page.replace("\n@WASM_SCRIPT@\n", "\n" + wasm_script + "\n")
    page = page.replace("\n@GLUE_SCRIPT@\n", "\n" + glue + "\n")
    with open(output, "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    main(*sys.argv[1:])
