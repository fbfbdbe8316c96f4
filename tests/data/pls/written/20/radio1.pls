[playlist]
NumberOfEntries=1

File0=http://s19.example/live
Title0=Station 19
Length0=-1

Version=2
