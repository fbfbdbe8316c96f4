[playlist]
NumberOfEntries=2

File0=http://one.example/
Title0=
Length0=-1

File1=http://two.example/
Title1=
Length1=-1

Version=2
