[playlist]
NumberOfEntries=2

File0=http://ten.example/
Title0=Ten
Length0=-1

File1=http://one.example/
Title1=One
listtype=TV
Length1=-1

Version=2
