[playlist]
NumberOfEntries=2

File0=http://one.example/
Title0=One
Length0=-1

File1=http://two.example/
Title1=Two
listtype=TV
Length1=-1

Version=2
