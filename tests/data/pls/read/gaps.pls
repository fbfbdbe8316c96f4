[playlist]
NumberOfEntries=3

File0=http://five.example/
Title0=Five
Length0=-1

File1=http://nine.example/
Title1=Nine
Length1=-1

File2=http://twelve.example/
Title2=Twelve
Length2=-1

Version=2
