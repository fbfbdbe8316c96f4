[playlist]
NumberOfEntries=1
File1=http://deleted.example/old
Title1=Deleted Station
Length1=-1
Version=2
