#!/usr/bin/env python3
# Writes the UTF-8 source of a reference file into db/dateien/ (run from anywhere).
import os
ZIEL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "dateien")
T = []
def t(*cols): T.append("\t".join(cols))
# Beaufort 0-17 (lines 1-18)
bft = [("0","unter 1","0 - 0,2","Windstille"),("1","1 - 3","0,3 - 1,5","leiser Zug"),("2","4 - 6","1,6 - 3,3","leichte Brise"),
("3","7 - 10","3,4 - 5,4","schwache Brise"),("4","11 - 16","5,5 - 7,9","mäßige Brise"),("5","17 - 21","8,0 - 10,7","frische Brise"),
("6","22 - 27","10,8 - 13,8","starker Wind"),("7","28 - 33","13,9 - 17,1","steifer Wind"),("8","34 - 40","17,2 - 20,7","stürmischer Wind"),
("9","41 - 47","20,8 - 24,4","Sturm"),("10","48 - 55","24,5 - 28,4","schwerer Sturm"),("11","56 - 63","28,5 - 32,6","orkanartiger Sturm"),
("12","64 - 71","32,7 - 36,9","Orkan"),("13","72 - 80","37,0 - 41,4","Orkan (erweiterte Skala)"),("14","81 - 89","41,5 - 46,1","Orkan (erweiterte Skala)"),
("15","90 - 99","46,2 - 50,9","Orkan (erweiterte Skala)"),("16","100 - 108","51,0 - 56,0","Orkan (erweiterte Skala)"),("17","109 - 118","56,1 - 61,2","Orkan (erweiterte Skala)")]
for r in bft: t(*r)
# Seegang nach Petersen 0-9 (lines 19-28)
see = [("0","-","-","0","spiegelglatte See"),("1","bis 5","bis 0,25","1","ruhige, gekräuselte See"),
("2","bis 25","bis 1","2 - 3","schwach bewegte See"),("3","bis 50","bis 2","4","leicht bewegte See"),
("4","bis 75","bis 4","5","mäßig bewegte See"),("5","bis 100","bis 6","6","grobe See"),
("6","bis 135","bis 7","7","sehr grobe See"),("7","bis 200","bis 10","8 - 9","hohe See"),
("8","bis 250","bis 12","10","sehr hohe See"),("9","über 250","über 12","über 10","außergewöhnlich schwere See")]
for r in see: t(*r)
# Mercalli-Cancani-Sieberg I-XII (lines 29-40)
mer = [("I","unmerklich","nur von Seismographen aufgezeichnet"),
("II","sehr leicht","nur von einzelnen ruhenden Personen gespürt"),
("III","leicht","von wenigen gespürt, wie ein vorbeifahrender Wagen"),
("IV","mäßig","in Häusern von vielen gespürt, Geschirr und Fenster klirren"),
("V","ziemlich stark","allgemein gespürt, Schlafende erwachen, Bilder pendeln"),
("VI","stark","Möbel verrutschen, leichte Schäden an Gebäuden"),
("VII","sehr stark","mäßige Gebäudeschäden, Schornsteine und Ziegel fallen"),
("VIII","zerstörend","schwere Schäden, einzelne Häuser stürzen teilweise ein"),
("IX","verwüstend","viele Gebäude stark beschädigt oder eingestürzt"),
("X","vernichtend","die meisten Bauwerke zerstört, Bodenrisse, Erdrutsche"),
("XI","Katastrophe","kaum ein Bauwerk bleibt stehen, breite Erdspalten"),
("XII","große Katastrophe","völlige Zerstörung, Landschaft verändert sich")]
for r in mer: t(*r)
# Richter magnitude classes (lines 41-52)
ric = [("unter 1,0","nur mit empfindlichen Seismographen messbar"),
("1,0 - 1,9","nur instrumentell nachweisbar"),
("2,0 - 2,9","in der Regel nicht gespürt, aufgezeichnet"),
("3,0 - 3,9","oft gespürt, selten Schäden"),
("4,0 - 4,9","deutlich gespürt, Gegenstände klirren, kaum Schäden"),
("5,0 - 5,4","leichte Schäden an schwachen Gebäuden"),
("5,5 - 5,9","Schäden an schlecht gebauten Gebäuden"),
("6,0 - 6,4","Zerstörungen in dicht besiedelten Gebieten"),
("6,5 - 6,9","schwere Zerstörungen im Umkreis von bis zu 100 km"),
("7,0 - 7,9","großes Beben, Zerstörungen über weite Gebiete"),
("8,0 - 8,9","sehr großes Beben, Verwüstung über Hunderte km"),
("9,0 und mehr","Verwüstung über Tausende km, schwere Tsunamis")]
for r in ric: t(*r)
# MSK-64 (lines 53-64)
msk = [("I","unmerklich","nur von Seismographen registriert"),
("II","kaum merklich","von einzelnen ruhenden Personen gespürt"),
("III","schwach","in Häusern von einigen bemerkt, im Freien nicht"),
("IV","größtenteils beobachtet","in Häusern von vielen gespürt, Geschirr klirrt"),
("V","aufweckend","Schlafende erwachen, hängende Gegenstände pendeln"),
("VI","erschreckend","Personen flüchten ins Freie, feine Putzrisse"),
("VII","Gebäudeschäden","mäßige Schäden, Mauerrisse, Dachziegel fallen"),
("VIII","Zerstörung von Gebäuden","schwere Schäden, Panik, Bodenrisse"),
("IX","allgemeine Gebäudeschäden","viele Gebäude zerstört, Rohrleitungen brechen"),
("X","allgemeine Zerstörung","viele Bauwerke einstürzend, Schienen verbogen"),
("XI","Katastrophe","fast alle Bauwerke zerstört, breite Erdspalten"),
("XII","Landschaftsveränderung","Geländeform ändert sich, Flüsse verlagert")]
for r in msk: t(*r)
# Film speeds DIN 12-32 (lines 65-85)
asa = {11:"10",12:"12",13:"16",14:"20",15:"25",16:"32",17:"40",18:"50",19:"64",20:"80",21:"100",22:"125",23:"160",24:"200",25:"250",26:"320",27:"400",28:"500",29:"640",30:"800",31:"1000",32:"1250"}
gost_reihe = [11,16,22,32,45,65,90,130,180,250,350,500,700,1000,1400]
import math
for din in range(12,33):
    a = int(asa[din]); g = min(gost_reihe, key=lambda x: abs(math.log(x/(0.9*a))))
    t(str(din), asa[din], str(g), asa[din-1])
# Electromagnetic spectrum (lines 86-113)
em = [("ELF","3 - 30","10^10 - 10^9"),("SLF (Netz 50 Hz)","30 - 300","10^9 - 10^8"),("ULF","300 - 3000","10^8 - 10^7"),
("Längstwellen (VLF)","3 x 10^3 - 3 x 10^4","10^7 - 10^6"),("Langwellen (LF)","3 x 10^4 - 3 x 10^5","10^6 - 10^5"),
("Mittelwellen (MF)","3 x 10^5 - 3 x 10^6","10^5 - 10^4"),("Kurzwellen (HF)","3 x 10^6 - 3 x 10^7","10^4 - 10^3"),
("Ultrakurzwellen (VHF)","3 x 10^7 - 3 x 10^8","10^3 - 100"),("Dezimeterwellen (UHF)","3 x 10^8 - 3 x 10^9","100 - 10"),
("Zentimeterwellen (SHF)","3 x 10^9 - 3 x 10^10","10 - 1"),("Millimeterwellen (EHF)","3 x 10^10 - 3 x 10^11","1 - 0,1"),
("Submillimeterwellen","3 x 10^11 - 3 x 10^12","0,1 - 0,01"),
("Infrarot IR-C","3,00 x 10^11 - 1,00 x 10^14","0,1 - 3 x 10^-4"),("Infrarot IR-B","1,00 x 10^14 - 2,14 x 10^14","3 x 10^-4 - 1,4 x 10^-4"),
("Infrarot IR-A","2,14 x 10^14 - 3,84 x 10^14","1,4 x 10^-4 - 7,8 x 10^-5"),
("Licht rot","3,84 x 10^14 - 4,68 x 10^14","7,8 x 10^-5 - 6,4 x 10^-5"),("Licht orange","4,68 x 10^14 - 5,00 x 10^14","6,4 x 10^-5 - 6,0 x 10^-5"),
("Licht gelb","5,00 x 10^14 - 5,26 x 10^14","6,0 x 10^-5 - 5,7 x 10^-5"),("Licht grün","5,26 x 10^14 - 6,12 x 10^14","5,7 x 10^-5 - 4,9 x 10^-5"),
("Licht blau","6,12 x 10^14 - 6,97 x 10^14","4,9 x 10^-5 - 4,3 x 10^-5"),("Licht violett","6,97 x 10^14 - 7,89 x 10^14","4,3 x 10^-5 - 3,8 x 10^-5"),
("Ultraviolett UV-A","7,89 x 10^14 - 9,52 x 10^14","3,8 x 10^-5 - 3,15 x 10^-5"),("Ultraviolett UV-B","9,52 x 10^14 - 1,07 x 10^15","3,15 x 10^-5 - 2,8 x 10^-5"),
("Ultraviolett UV-C","1,07 x 10^15 - 3,00 x 10^15","2,8 x 10^-5 - 10^-5"),("Extremes UV (EUV)","3 x 10^15 - 3 x 10^16","10^-5 - 10^-6"),
("Röntgen, weich","3 x 10^16 - 3 x 10^18","10^-6 - 10^-8"),("Röntgen, hart","3 x 10^18 - 3 x 10^19","10^-8 - 10^-9"),
("Gammastrahlung","über 3 x 10^19","unter 10^-9")]
for r in em: t(*r)
# Loudness 0-140 phon (lines 114-128)
bsp = ["Hörschwelle","Blätterrauschen, ruhiges Atmen","Flüstern","ruhige Wohnung, leises Ticken","leise Unterhaltung, Bücherei",
"normale Unterhaltung","lautes Gespräch, Bürolärm","Staubsauger, starker Straßenverkehr","Hauptverkehrsstraße, Lkw",
"Lkw in 5 m, Motorrad","Presslufthammer, Diskothek","Rockkonzert, Kesselschmiede","Düsenflugzeug in 100 m",
"Schmerzschwelle","Düsentriebwerk in 30 m, Gewehrschuss"]
for i,b in enumerate(bsp):
    p = 10*i
    rel = "1" if i == 0 else ("10" if i == 1 else "10^%d" % i)
    t(str(p), rel, b)
# DIN paper formats 0-8 (lines 129-137)
A = ["841 x 1189","594 x 841","420 x 594","297 x 420","210 x 297","148 x 210","105 x 148","74 x 105","52 x 74"]
B = ["1000 x 1414","707 x 1000","500 x 707","353 x 500","250 x 353","176 x 250","125 x 176","88 x 125","62 x 88"]
C = ["917 x 1297","648 x 917","458 x 648","324 x 458","229 x 324","162 x 229","114 x 162","81 x 114","57 x 81"]
D = ["771 x 1090","545 x 771","385 x 545","272 x 385","192 x 272","136 x 192","96 x 136","68 x 96","48 x 68"]
fl = ["1 m²","0,5 m²","0,25 m²","0,125 m²","0,0625 m²","0,03125 m²","0,015625 m²","0,0078125 m²","0,00390625 m²"]
for i in range(9): t(str(i), fl[i], A[i], B[i], C[i], D[i])
# Book formats (lines 138-147)
bf = [("Kleinstformat","-","unter 10"),("Sedez","16°","10 - 15"),("Kleinoktav","kl. 8°","15 - 18,5"),("Oktav","8°","18,5 - 22,5"),
("Großoktav","gr. 8°","22,5 - 25"),("Lexikonoktav","Lex. 8°","25 - 30"),("Quart","4°","30 - 35"),("Großquart","gr. 4°","35 - 40"),
("Folio","2°","40 - 45"),("Großfolio","gr. 2°","über 45")]
for r in bf: t(*r)
# Sieberg seaquake scale (lines 148-153)
sb = [("I","leichtes, kaum spürbares Zittern des Schiffes"),("II","leichte Erschütterung des Schiffes"),
("III","ruckartige Erschütterung des Schiffes"),("IV","das Schiff beginnt zu schwanken"),
("V","das Schiff ächzt, größere Gegenstände fallen um"),("VI","der Schiffskörper wird beschädigt, Gefahr des Sinkens")]
for r in sb: t(*r)
assert len(T) == 153, len(T)
open(os.path.join(ZIEL, "STOFFW9.NFO.txt"), "w",encoding="utf-8").write("\n".join(T)+"\n")
