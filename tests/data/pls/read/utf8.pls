[playlist]
NumberOfEntries=1

File0=http://cafe.example/
Title0=Café Ünïcode ☕
Length0=-1

Version=2
