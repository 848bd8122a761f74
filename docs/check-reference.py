#!/usr/bin/env python3
"""Checks the generated reference for what Doxygen itself lets pass.

    check-reference.py [--xml DIR] --html DIR [--qch FILE] [--pictures PAGE...]

--xml DIR     Doxygen's XML output: every class of the public headers, and
              every public or protected member and enumeration value in
              them, has a description (Doxygen warns about undocumented
              members, but not about destructors or enumeration values).
--html DIR    every picture a page shows or links to exists next to it.
--qch FILE    the Qt Help file holds every page and every picture they show.
--pictures    these pages (HTML file names) show at least one of the pictures
              the build makes.
"""
import argparse
import glob
import os
import re
import sqlite3
import sys
import xml.etree.ElementTree as ET

PICTURE = re.compile(r'<img [^>]*class="veltrix-(?:look|shot)"')
REFERENCE = re.compile(r'(?:src|href)="([^"#:]+\.png)"|srcset="([^"]+)"')


def text(node):
    return ''.join(node.itertext()).strip() if node is not None else ''


def described(node):
    return bool(text(node.find('briefdescription')) or text(node.find('detaileddescription')))


def in_include(compound):
    location = compound.find('location')
    return location is not None and location.get('file', '').startswith('include/')


def check_xml(xml_dir):
    problems = []
    compounds = [compound for path in glob.glob(os.path.join(xml_dir, '*.xml'))
                 for compound in ET.parse(path).getroot().iter('compounddef')]
    # The classes the public headers declare (not the Qt classes they derive from).
    public_classes = {inner.get('refid') for compound in compounds
                      if compound.get('kind') == 'file' and in_include(compound)
                      for inner in compound.iter('innerclass')}
    if not public_classes:
        problems.append('%s: no classes of include/ found' % xml_dir)
    for compound in compounds:
        if compound.get('id') in public_classes:
            location = compound.find('location')
            name = compound.findtext('compoundname')
            if not described(compound):
                problems.append('%s: class %s has no description' % (location.get('file'), name))
            for member in compound.iter('memberdef'):
                if member.get('prot') not in ('public', 'protected'):
                    continue
                where = '%s:%s' % (member.find('location').get('file'), member.find('location').get('line'))
                if not described(member):
                    problems.append('%s: %s::%s has no description' % (where, name, member.findtext('name')))
                for value in member.iter('enumvalue'):
                    if not described(value):
                        problems.append('%s: enumeration value %s::%s has no description'
                                        % (where, name, value.findtext('name')))
    return problems


def pictures_of(page):
    found = set()
    for match in REFERENCE.finditer(page):
        if match.group(1):
            found.add(match.group(1))
        else:
            found.update(entry.split()[0] for entry in match.group(2).split(',') if entry.strip())
    return found


def check_html(html_dir, picture_pages):
    problems, referenced = [], set()
    pages = glob.glob(os.path.join(html_dir, '*.html'))
    if not pages:
        return ['%s: no pages' % html_dir], referenced
    for path in pages:
        with open(path, encoding='utf-8') as handle:
            page = handle.read()
        for picture in pictures_of(page):
            referenced.add(picture)
            if not os.path.exists(os.path.join(html_dir, picture)):
                problems.append('%s shows %s, which the build did not make' % (os.path.basename(path), picture))
    for name in picture_pages:
        path = os.path.join(html_dir, name)
        if not os.path.exists(path):
            problems.append('%s: no such page' % name)
            continue
        with open(path, encoding='utf-8') as handle:
            if not PICTURE.search(handle.read()):
                problems.append('%s shows none of the pictures the build makes' % name)
    return problems, referenced


def check_qch(qch, html_dir, referenced):
    if not os.path.exists(qch):
        return ['%s was not made' % qch]
    with sqlite3.connect('file:%s?mode=ro' % qch, uri=True) as db:
        names = {os.path.basename(row[0]) for row in db.execute('SELECT Name FROM FileNameTable')}
    wanted = {os.path.basename(p) for p in glob.glob(os.path.join(html_dir, '*.html'))} | referenced
    return ['%s lacks %s' % (os.path.basename(qch), name) for name in sorted(wanted - names)]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--xml')
    parser.add_argument('--html', required=True)
    parser.add_argument('--qch')
    parser.add_argument('--pictures', nargs='*', default=[])
    args = parser.parse_args()
    problems = check_xml(args.xml) if args.xml else []
    html_problems, referenced = check_html(args.html, args.pictures)
    problems += html_problems
    if args.qch:
        problems += check_qch(args.qch, args.html, referenced)
    for problem in problems:
        print('error: %s' % problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
