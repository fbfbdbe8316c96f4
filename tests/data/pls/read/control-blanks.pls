[playlist]
NumberOfEntries=1

File0=http://vt.example/
Title0=Form feed
Length0=-1

Version=2
