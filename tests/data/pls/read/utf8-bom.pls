[playlist]
NumberOfEntries=1

File0=http://bom.example/
Title0=Größe
Length0=-1

Version=2
