#!/usr/bin/env python3
# Writes the UTF-8 source of a reference file into db/dateien/ (run from anywhere).
import os
ZIEL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "dateien")
# name|sym|en|state|mass|group|ox|config|density|mp|bp|cp|Cp|discoverer|year
E = """Wasserstoff|H|Hydrogen|gas|1,008|H1|+1, -1|1s1|0,0899|-259,16|-252,88|14,304|28,836|Henry Cavendish|1766
Helium|He|=|gas|4,0026|H8|0|1s2|0,1785|-272,20 (bei 25 bar)|-268,93|5,193|20,786|Pierre Janssen, Norman Lockyer|1868
Lithium|Li|=|fest|6,94|H1|+1|[He] 2s1|0,534|180,50|1342|3,582|24,860|Johan August Arfwedson|1817
Beryllium|Be|=|fest|9,0122|H2|+2|[He] 2s2|1,85|1287|2469|1,825|16,443|Louis-Nicolas Vauquelin|1798
Bor|B|Boron|fest|10,81|H3|+3|[He] 2s2 2p1|2,34|2076|3927|1,026|11,087|Joseph Louis Gay-Lussac, Louis Jacques Thénard, Humphry Davy|1808
Kohlenstoff|C|Carbon|fest|12,011|H4|+4, +2, -4|[He] 2s2 2p2|2,26||3642 (Sublimation)|0,709|8,517|unbekannt|im Altertum
Stickstoff|N|Nitrogen|gas|14,007|H5|+5, +4, +3, +2, +1, -3|[He] 2s2 2p3|1,2506|-210,00|-195,79|1,040|29,124|Daniel Rutherford|1772
Sauerstoff|O|Oxygen|gas|15,999|H6|-2|[He] 2s2 2p4|1,429|-218,79|-182,96|0,918|29,378|Carl Wilhelm Scheele, Joseph Priestley|1771
Fluor|F|Fluorine|gas|18,998|H7|-1|[He] 2s2 2p5|1,696|-219,67|-188,11|0,824|31,304|Henri Moissan|1886
Neon|Ne|=|gas|20,180|H8|0|[He] 2s2 2p6|0,9002|-248,59|-246,05|1,030|20,786|William Ramsay, Morris Travers|1898
Natrium|Na|Sodium|fest|22,990|H1|+1|[Ne] 3s1|0,97|97,79|883|1,228|28,230|Humphry Davy|1807
Magnesium|Mg|=|fest|24,305|H2|+2|[Ne] 3s2|1,738|650|1090|1,023|24,869|Joseph Black|1755
Aluminium|Al|=|fest|26,982|H3|+3|[Ne] 3s2 3p1|2,70|660,32|2519|0,897|24,200|Hans Christian Ørsted|1825
Silicium|Si|Silicon|fest|28,085|H4|+4, -4|[Ne] 3s2 3p2|2,33|1414|3265|0,705|19,789|Jöns Jakob Berzelius|1824
Phosphor|P|Phosphorus|fest|30,974|H5|+5, +3, -3|[Ne] 3s2 3p3|1,823|44,15|280,5|0,769|23,824|Hennig Brand|1669
Schwefel|S|Sulfur|fest|32,06|H6|+6, +4, -2|[Ne] 3s2 3p4|2,07|115,21|444,61|0,710|22,75|unbekannt|im Altertum
Chlor|Cl|Chlorine|gas|35,45|H7|+7, +5, +3, +1, -1|[Ne] 3s2 3p5|3,214|-101,5|-34,04|0,479|33,949|Carl Wilhelm Scheele|1774
Argon|Ar|=|gas|39,95|H8|0|[Ne] 3s2 3p6|1,784|-189,34|-185,85|0,520|20,786|Lord Rayleigh, William Ramsay|1894
Kalium|K|Potassium|fest|39,098|H1|+1|[Ar] 4s1|0,862|63,5|759|0,757|29,600|Humphry Davy|1807
Calcium|Ca|=|fest|40,078|H2|+2|[Ar] 4s2|1,55|842|1484|0,647|25,929|Humphry Davy|1808
Scandium|Sc|=|fest|44,956|N3|+3|[Ar] 3d1 4s2|2,99|1541|2836|0,568|25,52|Lars Fredrik Nilson|1879
Titan|Ti|Titanium|fest|47,867|N4|+4, +3, +2|[Ar] 3d2 4s2|4,51|1668|3287|0,523|25,060|William Gregor|1791
Vanadium|V|=|fest|50,942|N5|+5, +4, +3, +2|[Ar] 3d3 4s2|6,0|1910|3407|0,489|24,89|Andrés Manuel del Río|1801
Chrom|Cr|Chromium|fest|51,996|N6|+6, +3, +2|[Ar] 3d5 4s1|7,19|1907|2671|0,449|23,35|Louis-Nicolas Vauquelin|1797
Mangan|Mn|Manganese|fest|54,938|N7|+7, +6, +4, +3, +2|[Ar] 3d5 4s2|7,21|1246|2061|0,479|26,32|Johan Gottlieb Gahn|1774
Eisen|Fe|Iron|fest|55,845|N8|+3, +2|[Ar] 3d6 4s2|7,874|1538|2861|0,449|25,10|unbekannt|im Altertum
Cobalt|Co|=|fest|58,933|N8|+3, +2|[Ar] 3d7 4s2|8,90|1495|2927|0,421|24,81|Georg Brandt|1735
Nickel|Ni|=|fest|58,693|N8|+3, +2|[Ar] 3d8 4s2|8,91|1455|2913|0,444|26,07|Axel Fredrik Cronstedt|1751
Kupfer|Cu|Copper|fest|63,546|N1|+2, +1|[Ar] 3d10 4s1|8,96|1084,62|2562|0,385|24,440|unbekannt|im Altertum
Zink|Zn|Zinc|fest|65,38|N2|+2|[Ar] 3d10 4s2|7,14|419,53|907|0,388|25,390|Andreas Sigismund Marggraf|1746
Gallium|Ga|=|fest|69,723|H3|+3|[Ar] 3d10 4s2 4p1|5,91|29,76|2229|0,371|25,86|Paul Émile Lecoq de Boisbaudran|1875
Germanium|Ge|=|fest|72,630|H4|+4, +2|[Ar] 3d10 4s2 4p2|5,32|938,25|2833|0,320|23,222|Clemens Winkler|1886
Arsen|As|Arsenic|fest|74,922|H5|+5, +3, -3|[Ar] 3d10 4s2 4p3|5,73||614 (Sublimation)|0,329|24,64|Albertus Magnus|um 1250
Selen|Se|Selenium|fest|78,971|H6|+6, +4, -2|[Ar] 3d10 4s2 4p4|4,81|221|685|0,321|25,363|Jöns Jakob Berzelius|1817
Brom|Br|Bromine|fl|79,904|H7|+5, +1, -1|[Ar] 3d10 4s2 4p5|3,12|-7,2|58,8|0,474|75,69|Antoine-Jérôme Balard|1826
Krypton|Kr|=|gas|83,798|H8|0, +2|[Ar] 3d10 4s2 4p6|3,749|-157,37|-153,42|0,248|20,786|William Ramsay, Morris Travers|1898
Rubidium|Rb|=|fest|85,468|H1|+1|[Kr] 5s1|1,53|39,30|688|0,363|31,060|Robert Bunsen, Gustav Kirchhoff|1861
Strontium|Sr|=|fest|87,62|H2|+2|[Kr] 5s2|2,64|777|1382|0,301|26,4|Adair Crawford|1790
Yttrium|Y|=|fest|88,906|N3|+3|[Kr] 4d1 5s2|4,47|1526|3345|0,298|26,53|Johan Gadolin|1794
Zirconium|Zr|=|fest|91,224|N4|+4|[Kr] 4d2 5s2|6,52|1855|4409|0,278|25,36|Martin Heinrich Klaproth|1789
Niob|Nb|Niobium|fest|92,906|N5|+5, +3|[Kr] 4d4 5s1|8,57|2477|4744|0,265|24,60|Charles Hatchett|1801
Molybdän|Mo|Molybdenum|fest|95,95|N6|+6, +4|[Kr] 4d5 5s1|10,28|2623|4639|0,251|24,06|Carl Wilhelm Scheele|1778
Technetium|Tc|=|fest|[97]|N7|+7, +4|[Kr] 4d5 5s2|11,5|2157|4265|||Emilio Segrè, Carlo Perrier|1937
Ruthenium|Ru|=|fest|101,07|N8|+8, +4, +3|[Kr] 4d7 5s1|12,45|2334|4150|0,238|24,06|Karl Ernst Claus|1844
Rhodium|Rh|=|fest|102,91|N8|+3|[Kr] 4d8 5s1|12,41|1964|3695|0,243|24,98|William Hyde Wollaston|1803
Palladium|Pd|=|fest|106,42|N8|+4, +2|[Kr] 4d10|12,02|1554,9|2963|0,244|25,98|William Hyde Wollaston|1803
Silber|Ag|Silver|fest|107,87|N1|+1|[Kr] 4d10 5s1|10,49|961,78|2162|0,235|25,350|unbekannt|im Altertum
Cadmium|Cd|=|fest|112,41|N2|+2|[Kr] 4d10 5s2|8,65|321,07|767|0,231|26,020|Friedrich Stromeyer|1817
Indium|In|=|fest|114,82|H3|+3|[Kr] 4d10 5s2 5p1|7,31|156,60|2072|0,233|26,74|Ferdinand Reich, Theodor Richter|1863
Zinn|Sn|Tin|fest|118,71|H4|+4, +2|[Kr] 4d10 5s2 5p2|7,29|231,93|2602|0,228|27,112|unbekannt|im Altertum
Antimon|Sb|Antimony|fest|121,76|H5|+5, +3, -3|[Kr] 4d10 5s2 5p3|6,68|630,63|1587|0,207|25,23|unbekannt|im Altertum
Tellur|Te|Tellurium|fest|127,60|H6|+6, +4, -2|[Kr] 4d10 5s2 5p4|6,24|449,51|988|0,202|25,73|Franz Joseph Müller von Reichenstein|1782
Iod|I|Iodine|fest|126,90|H7|+7, +5, +1, -1|[Kr] 4d10 5s2 5p5|4,93|113,7|184,4|0,214|54,44|Bernard Courtois|1811
Xenon|Xe|=|gas|131,29|H8|0, +2, +4, +6|[Kr] 4d10 5s2 5p6|5,894|-111,75|-108,10|0,158|20,786|William Ramsay, Morris Travers|1898
Caesium|Cs|=|fest|132,91|H1|+1|[Xe] 6s1|1,93|28,44|671|0,242|32,210|Robert Bunsen, Gustav Kirchhoff|1860
Barium|Ba|=|fest|137,33|H2|+2|[Xe] 6s2|3,51|727|1845|0,204|28,07|Carl Wilhelm Scheele|1772
Lanthan|La|Lanthanum|fest|138,91|L|+3|[Xe] 5d1 6s2|6,15|918|3464|0,195|27,11|Carl Gustav Mosander|1839
Cer|Ce|Cerium|fest|140,12|L|+4, +3|[Xe] 4f1 5d1 6s2|6,77|798|3443|0,192|26,94|Jöns Jakob Berzelius, Wilhelm Hisinger, Martin Heinrich Klaproth|1803
Praseodym|Pr|Praseodymium|fest|140,91|L|+3|[Xe] 4f3 6s2|6,77|931|3520|0,193|27,20|Carl Auer von Welsbach|1885
Neodym|Nd|Neodymium|fest|144,24|L|+3|[Xe] 4f4 6s2|7,01|1021|3074|0,190|27,45|Carl Auer von Welsbach|1885
Promethium|Pm|=|fest|[145]|L|+3|[Xe] 4f5 6s2|7,26|1042|3000|||Jacob A. Marinsky, Lawrence E. Glendenin, Charles D. Coryell|1945
Samarium|Sm|=|fest|150,36|L|+3, +2|[Xe] 4f6 6s2|7,52|1074|1794|0,197|29,54|Paul Émile Lecoq de Boisbaudran|1879
Europium|Eu|=|fest|151,96|L|+3, +2|[Xe] 4f7 6s2|5,24|822|1529|0,182|27,66|Eugène-Anatole Demarçay|1901
Gadolinium|Gd|=|fest|157,25|L|+3|[Xe] 4f7 5d1 6s2|7,90|1313|3273|0,236|37,03|Jean Charles Galissard de Marignac|1880
Terbium|Tb|=|fest|158,93|L|+3, +4|[Xe] 4f9 6s2|8,23|1356|3230|0,182|28,91|Carl Gustav Mosander|1843
Dysprosium|Dy|=|fest|162,50|L|+3|[Xe] 4f10 6s2|8,55|1412|2567|0,170|27,7|Paul Émile Lecoq de Boisbaudran|1886
Holmium|Ho|=|fest|164,93|L|+3|[Xe] 4f11 6s2|8,80|1474|2700|0,165|27,15|Marc Delafontaine, Jacques-Louis Soret|1878
Erbium|Er|=|fest|167,26|L|+3|[Xe] 4f12 6s2|9,07|1529|2868|0,168|28,12|Carl Gustav Mosander|1843
Thulium|Tm|=|fest|168,93|L|+3, +2|[Xe] 4f13 6s2|9,32|1545|1950|0,160|27,03|Per Teodor Cleve|1879
Ytterbium|Yb|=|fest|173,05|L|+3, +2|[Xe] 4f14 6s2|6,90|824|1196|0,155|26,74|Jean Charles Galissard de Marignac|1878
Lutetium|Lu|=|fest|174,97|L|+3|[Xe] 4f14 5d1 6s2|9,84|1663|3402|0,154|26,86|Georges Urbain, Carl Auer von Welsbach|1907
Hafnium|Hf|=|fest|178,49|N4|+4|[Xe] 4f14 5d2 6s2|13,31|2233|4603|0,144|25,73|Dirk Coster, George de Hevesy|1923
Tantal|Ta|Tantalum|fest|180,95|N5|+5|[Xe] 4f14 5d3 6s2|16,65|3017|5458|0,140|25,36|Anders Gustaf Ekeberg|1802
Wolfram|W|Tungsten|fest|183,84|N6|+6, +4|[Xe] 4f14 5d4 6s2|19,25|3422|5555|0,132|24,27|Juan José Elhuyar, Fausto Elhuyar|1783
Rhenium|Re|=|fest|186,21|N7|+7, +4|[Xe] 4f14 5d5 6s2|21,02|3186|5596|0,137|25,48|Walter Noddack, Ida Tacke, Otto Berg|1925
Osmium|Os|=|fest|190,23|N8|+8, +4|[Xe] 4f14 5d6 6s2|22,59|3033|5012|0,130|24,7|Smithson Tennant|1803
Iridium|Ir|=|fest|192,22|N8|+4, +3|[Xe] 4f14 5d7 6s2|22,56|2446|4428|0,131|25,10|Smithson Tennant|1803
Platin|Pt|Platinum|fest|195,08|N8|+4, +2|[Xe] 4f14 5d9 6s1|21,45|1768,3|3825|0,133|25,86|Antonio de Ulloa|1748
Gold|Au|=|fest|196,97|N1|+3, +1|[Xe] 4f14 5d10 6s1|19,32|1064,18|2856|0,129|25,418|unbekannt|im Altertum
Quecksilber|Hg|Mercury|fl|200,59|N2|+2, +1|[Xe] 4f14 5d10 6s2|13,546|-38,83|356,73|0,140|27,983|unbekannt|im Altertum
Thallium|Tl|=|fest|204,38|H3|+3, +1|[Xe] 4f14 5d10 6s2 6p1|11,85|304|1473|0,129|26,32|William Crookes|1861
Blei|Pb|Lead|fest|207,2|H4|+4, +2|[Xe] 4f14 5d10 6s2 6p2|11,34|327,46|1749|0,129|26,650|unbekannt|im Altertum
Bismut|Bi|Bismuth|fest|208,98|H5|+5, +3|[Xe] 4f14 5d10 6s2 6p3|9,78|271,40|1564|0,122|25,52|Claude François Geoffroy|1753
Polonium|Po|=|fest|[209]|H6|+4, +2|[Xe] 4f14 5d10 6s2 6p4|9,20|254|962|||Marie Curie, Pierre Curie|1898
Astat|At|Astatine||[210]|H7|-1, +1|[Xe] 4f14 5d10 6s2 6p5||||||Dale R. Corson, Kenneth R. MacKenzie, Emilio Segrè|1940
Radon|Rn|=|gas|[222]|H8|0, +2|[Xe] 4f14 5d10 6s2 6p6|9,73|-71|-61,7|0,094|20,786|Friedrich Ernst Dorn|1900
Francium|Fr|=||[223]|H1|+1|[Rn] 7s1||||||Marguerite Perey|1939
Radium|Ra|=|fest|[226]|H2|+2|[Rn] 7s2|5,5|700|1737|||Marie Curie, Pierre Curie|1898
Actinium|Ac|=|fest|[227]|A|+3|[Rn] 6d1 7s2|10,07|1051|3198|||André-Louis Debierne|1899
Thorium|Th|=|fest|232,04|A|+4|[Rn] 6d2 7s2|11,72|1750|4788|0,113|26,23|Jöns Jakob Berzelius|1828
Protactinium|Pa|=|fest|231,04|A|+5, +4|[Rn] 5f2 6d1 7s2|15,37|1572||||Kasimir Fajans, Oswald Helmuth Göhring|1913
Uran|U|Uranium|fest|238,03|A|+6, +5, +4, +3|[Rn] 5f3 6d1 7s2|19,05|1135|4131|0,116|27,665|Martin Heinrich Klaproth|1789
Neptunium|Np|=|fest|[237]|A|+6, +5, +4, +3|[Rn] 5f4 6d1 7s2|20,45|644||||Edwin McMillan, Philip Abelson|1940
Plutonium|Pu|=|fest|[244]|A|+6, +5, +4, +3|[Rn] 5f6 7s2|19,82|640|3228|||Glenn T. Seaborg, Arthur C. Wahl, Joseph W. Kennedy, Edwin McMillan|1940
Americium|Am|=|fest|[243]|A|+6, +5, +4, +3|[Rn] 5f7 7s2|13,67|1176||||Glenn T. Seaborg, Ralph A. James, Leon O. Morgan, Albert Ghiorso|1944
Curium|Cm|=|fest|[247]|A|+4, +3|[Rn] 5f7 6d1 7s2|13,51|1345|3110|||Glenn T. Seaborg, Ralph A. James, Albert Ghiorso|1944
Berkelium|Bk|=|fest|[247]|A|+4, +3|[Rn] 5f9 7s2|14,78|986||||Stanley G. Thompson, Albert Ghiorso, Glenn T. Seaborg|1949
Californium|Cf|=|fest|[251]|A|+3|[Rn] 5f10 7s2|15,1|900||||Stanley G. Thompson, Kenneth Street, Albert Ghiorso, Glenn T. Seaborg|1950
Einsteinium|Es|=|fest|[252]|A|+3|[Rn] 5f11 7s2|8,84|860||||Albert Ghiorso u. a.|1952
Fermium|Fm|=||[257]|A|+3, +2|[Rn] 5f12 7s2||||||Albert Ghiorso u. a.|1952
Mendelevium|Md|=||[258]|A|+3, +2|[Rn] 5f13 7s2||||||Albert Ghiorso, Bernard G. Harvey, Gregory R. Choppin, Stanley G. Thompson, Glenn T. Seaborg|1955
Nobelium|No|=||[259]|A|+3, +2|[Rn] 5f14 7s2||||||Georgi Fljorow u. a. (Dubna)|1966
Lawrencium|Lr|=||[266]|A|+3|[Rn] 5f14 7s2 7p1||||||Albert Ghiorso u. a. (Berkeley)|1961
Rutherfordium|Rf|=||[267]|N4|+4|[Rn] 5f14 6d2 7s2||||||Georgi Fljorow u. a. (Dubna), Albert Ghiorso u. a. (Berkeley)|1964
Dubnium|Db|=||[268]|N5|+5|[Rn] 5f14 6d3 7s2||||||Georgi Fljorow u. a. (Dubna), Albert Ghiorso u. a. (Berkeley)|1968
Seaborgium|Sg|=||[269]|N6|+6|[Rn] 5f14 6d4 7s2||||||Albert Ghiorso u. a. (Berkeley)|1974
Bohrium|Bh|=||[270]|N7|+7|[Rn] 5f14 6d5 7s2||||||Peter Armbruster, Gottfried Münzenberg u. a. (GSI Darmstadt)|1981
Hassium|Hs|=||[269]|N8|+8|[Rn] 5f14 6d6 7s2||||||Peter Armbruster, Gottfried Münzenberg u. a. (GSI Darmstadt)|1984
Meitnerium|Mt|=||[278]|N8||[Rn] 5f14 6d7 7s2||||||Peter Armbruster, Gottfried Münzenberg u. a. (GSI Darmstadt)|1982
Darmstadtium|Ds|=||[281]|N8||[Rn] 5f14 6d8 7s2||||||Sigurd Hofmann u. a. (GSI Darmstadt)|1994
Roentgenium|Rg|=||[282]|N1||[Rn] 5f14 6d9 7s2||||||Sigurd Hofmann u. a. (GSI Darmstadt)|1994
Copernicium|Cn|=||[285]|N2||[Rn] 5f14 6d10 7s2||||||Sigurd Hofmann u. a. (GSI Darmstadt)|1996
Nihonium|Nh|=||[286]|H3||[Rn] 5f14 6d10 7s2 7p1||||||Kosuke Morita u. a. (RIKEN)|2004
Flerovium|Fl|=||[289]|H4||[Rn] 5f14 6d10 7s2 7p2||||||Juri Oganessian u. a. (Dubna)|1999
Moscovium|Mc|=||[290]|H5||[Rn] 5f14 6d10 7s2 7p3||||||Juri Oganessian u. a. (Dubna, Livermore)|2003
Livermorium|Lv|=||[293]|H6||[Rn] 5f14 6d10 7s2 7p4||||||Juri Oganessian u. a. (Dubna, Livermore)|2000
Tenness|Ts|Tennessine||[294]|H7||[Rn] 5f14 6d10 7s2 7p5||||||Juri Oganessian u. a. (Dubna, Oak Ridge, Livermore)|2010
Oganesson|Og|=||[294]|H8||[Rn] 5f14 6d10 7s2 7p6||||||Juri Oganessian u. a. (Dubna, Livermore)|2002"""
rows = E.split("\n")
assert len(rows) == 118, len(rows)
out = []
for z, r in enumerate(rows, 1):
    f = r.split("|")
    assert len(f) == 15, (z, len(f), r)
    name, sym, en, state, mass, grp, ox, cfg, dens, mp, bp, cp, Cp, who, year = f
    out.append("\t".join([name, sym, en, state, mass, str(z), grp, ox, cfg, dens, mp, bp, cp, Cp, who, year]))
open(os.path.join(ZIEL, "Stoffw8.nfo.txt"), "w", encoding="utf-8").write("\n".join(out) + "\n")
