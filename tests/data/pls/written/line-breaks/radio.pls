[playlist]
NumberOfEntries=1

File0=http://a.example/
Title0=Café File1=http://forged.example/ Title1=x y
Length0=-1

Version=2
