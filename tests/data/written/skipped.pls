[playlist]
NumberOfEntries=2

File0=http://one.example.com/
Title0=Kept One
Length0=-1

File1=udp://239.1.1.1:5000
Title1=Kept Two
Length1=-1

Version=2
