#!/usr/bin/python3
"""Prints every live record of a DBF table as read by Debian's python3-dbfread, one line each:
NAME|BILD|Z|KAT|ALK|MARK|CANR|H1|ANLEITUNG (memo as Python repr of its text)."""
import sys

from dbfread import DBF

table = DBF(sys.argv[1], encoding="cp1252", char_decode_errors="strict", lowernames=False)
for rec in table:
    print("|".join([rec["NAME"], rec["BILD"], rec["Z"].rstrip(), str(rec["KAT"]), str(rec["ALK"]),
                    str(rec["MARK"]), str(rec["CANR"]), str(rec["H1"]), repr(rec["ANLEITUNG"])]))
