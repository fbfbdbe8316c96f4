[playlist]
NumberOfEntries=7

File0=http://s38.example/live
Title0=Station 38
Length0=-1

File1=http://s39.example/live
Title1=Station 39
Length1=-1

File2=http://s40.example/live
Title2=Station 40
Length2=-1

File3=http://s41.example/live
Title3=Station 41
Length3=-1

File4=http://s42.example/live
Title4=Station 42
Length4=-1

File5=http://s43.example/live
Title5=Station 43
Length5=-1

File6=http://s44.example/live
Title6=Station 44
Length6=-1

Version=2
