[playlist]
NumberOfEntries=1

File0=http://a.example/
Title0=í €x
Length0=-1

Version=2
