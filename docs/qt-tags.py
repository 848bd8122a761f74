#!/usr/bin/env python3
"""Doxygen tag files for Qt's own classes, made from the QDoc index files that
ship with Qt's HTML documentation (Debian: qtbase5-doc-html), so that QLabel,
Qt::WindowFlags, QStyle::PixelMetric and the like link to Qt's pages.

    qt-tags.py OUT_DIR QT_DOC_DIR MODULE...

For each MODULE (qtcore, qtwidgets, ...) whose QT_DOC_DIR/MODULE/MODULE.index
exists, writes OUT_DIR/MODULE.tags. Then writes two Doxygen configuration
fragments for @INCLUDE: OUT_DIR/qt-tags-html.doxy links to the HTML pages on
this machine (file:// URLs), OUT_DIR/qt-tags-qch.doxy to the pages inside
Qt's own Qt Help files (qthelp:// URLs, as Qt Creator and Qt Assistant
resolve them). Without index files both fragments name no tag file and Qt's
names stay plain text.
"""
import os
import sys
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

def public(node):
    return node.get('status') == 'active' and node.get('access') in ('public', 'protected') and node.get('href')


def split_href(href):
    page, _, anchor = href.partition('#')
    return page, anchor


def member_xml(node):
    page, anchor = split_href(node.get('href'))
    name = escape(node.get('name'))
    if node.tag == 'enum':
        values = ''.join('<enumvalue file="%s" anchor="%s">%s</enumvalue>' % (page, escape(anchor), escape(v.get('name')))
                         for v in node.findall('value'))
        return ('<member kind="enumeration"><type></type><name>%s</name><anchorfile>%s</anchorfile>'
                '<anchor>%s</anchor><arglist></arglist>%s</member>' % (name, page, escape(anchor), values))
    return ('<member kind="typedef"><type></type><name>%s</name><anchorfile>%s</anchorfile><anchor>%s</anchor>'
            '<arglist></arglist></member>' % (name, page, escape(anchor)))


def compound_xml(node, kind):
    page, _ = split_href(node.get('href'))
    parts = ['<compound kind="%s"><name>%s</name><filename>%s</filename>' % (kind, escape(node.get('name')), page)]
    for base in filter(None, (b.strip() for b in node.get('bases', '').split(','))):
        parts.append('<base>%s</base>' % escape(base))
    # Types only: with Qt's functions in the tags, every class page would list
    # all of QWidget's and QObject's members as inherited ones.
    for child in node:
        if child.tag in ('enum', 'typedef') and public(child):
            parts.append(member_xml(child))
    parts.append('</compound>')
    return ''.join(parts)


def write_tags(index_path, tags_path):
    root = ET.parse(index_path).getroot()
    compounds = []
    for node in root.iter():
        if node.tag in ('class', 'struct') and public(node):
            compounds.append(compound_xml(node, 'class' if node.tag == 'class' else 'struct'))
        elif node.tag == 'namespace' and node.get('name') and public(node):
            compounds.append(compound_xml(node, 'namespace'))
    with open(tags_path, 'w', encoding='utf-8') as out:
        out.write('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<tagfile>\n')
        out.write('\n'.join(compounds))
        out.write('\n</tagfile>\n')
    return root.get('version', '')


def help_location(module_dir, module, version):
    """Namespace and virtual folder of the module's Qt Help file, from its .qhp
    when Qt ships one, else from Qt's naming rule (org.qt-project.qtcore.5158)."""
    qhp = os.path.join(module_dir, module + '.qhp')
    if os.path.exists(qhp):
        root = ET.parse(qhp).getroot()
        return root.findtext('namespace'), root.findtext('virtualFolder')
    return 'org.qt-project.%s.%s' % (module, version.replace('.', '')), module


def main(argv):
    if len(argv) < 4:
        sys.exit(__doc__)
    out_dir, doc_dir, modules = argv[1], argv[2], argv[3:]
    os.makedirs(out_dir, exist_ok=True)
    html, qch, found = [], [], []
    for module in modules:
        module_dir = os.path.join(doc_dir, module)
        index = os.path.join(module_dir, module + '.index')
        if not os.path.exists(index):
            continue
        tags = os.path.join(out_dir, module + '.tags')
        version = write_tags(index, tags)
        found.append(module)
        namespace, folder = help_location(module_dir, module, version)
        html.append('"%s=file://%s"' % (tags, os.path.abspath(module_dir)))
        qch.append('"%s=qthelp://%s/%s"' % (tags, namespace, folder))
    for name, entries in (('qt-tags-html.doxy', html), ('qt-tags-qch.doxy', qch)):
        with open(os.path.join(out_dir, name), 'w', encoding='utf-8') as out:
            out.write('TAGFILES = %s\n' % ' \\\n           '.join(entries))
    print('Qt tag files: %s' % (', '.join(found) or 'none (Qt names stay plain text)'))


if __name__ == '__main__':
    main(sys.argv)
